-- Statements that workstations send, one a line, with sample values in place of the
-- values a workstation fills in. Every one of them must translate and prepare on the schema.
select * from 现金管理 where 已结=0
select * from 包车 order by 包车日期
select * from 保管费收入 where 已结=0
Select * from 发车表 order by 发车时间
select A.操作模块,A.操作员代号,B.操作员姓名,B.操作员职务,A.操作机器,A.进入时间,A.退出时间 from 操作记录 A,操作员 B where A.操作员代号=B.操作员代号 order by A.进入时间
insert into 部门信息 (部门名称) values('**汽车站')
select 线路编号 from 行车线路表 where 线路编号='8003'
insert into 行车线路表 (线路编号) values('8003')
update 行车线路表 set 线路编号='8003', 线路名称='深圳', 沿途停靠站='东莞,深圳' where 线路编号='8003'
update 站台客车 set 行车线路='8003' where 行车线路='8003'
select 站点编号 from 票价表 where 站点编号='8003'
insert into 票价表 (站点编号) values('8003')
update 票价表 set 站点编号='8003', 站点名称='深圳', 路程=120, 六类价=25, 五类价=30, 四类价=35, 三类价=40, 二类价=45, 一类价=50 where 站点编号='8003'
update 票价表节日 set 站点编号='8003' where 站点编号='8003'
insert into 站台 (站台卡位) values('深圳')
update 站台 set 站台卡位='深圳' where 站台卡位='8003'
update 站台客车 set 停靠站台='深圳' where 停靠站台='8003'
select count(*) from 站台客车 where 行车线路='8003'
delete from 行车线路表 where 线路编号='8003'
delete from 票价表节日 where 站点编号='8003'
delete from 票价表 where 站点编号='8003'
delete from 站台 where 站台卡位='深圳'
select 客车编号 from 客车 where 客车编号='8003'
insert into 客车 (客车编号,客车名称) values('8003','深圳')
update 客车 set 客车编号='8003', 客车名称='深圳', 车牌号码='粤A12345', 座位数=45, 购买日期='2007-01-01', 车主姓名='王五', 车主电话='123456', 车属单位='运输公司', 驾驶员='张三', IC卡号='C001' where 客车编号='8003'
update 站台客车 set 进站客车='8003' where 进站客车='8003'
update 站台客车 set 默认客车='8003' where 默认客车='8003'
select count(*) from 站台客车 where 进站客车='8003' or 默认客车='8003'
delete from 客车 where 客车编号='8003'
select 车次 from 站台客车 where 车次='8003'
insert into 站台客车 (车次,发车时间,停刷,末班车) values('8003','12:00',0,0)
update 站台客车 set 车次='8003', 发车时间='08:30', 检票口='1', 加售分钟=10, 行车线路='L01', 线路名称='广深线', 默认客车='B01', 进站客车='B01', IC卡号='C001', 类型='直达', 末班车=1, 票价类型='三类价', 状态='开', 起始座号=1, 中途='可售', 停靠站台='3号位', 司机='张三', 跟车员='李四', 路单有效期=30, 运行计划='单程', 停刷=1, 开停条件='A' where 车次='8003'
select count(*) from 已售车票 where 车次='8003'
delete from 站台客车 where 车次='8003'
select * from 发车表 where 检票='是'
delete from 发车表 where 检票<>'开出'
insert into 发车表 (车次,线路名称,类型,发车时间,停靠站台,检票,检票口) select 车次,线路名称,类型,发车时间,停靠站台,'否',检票口  from 站台客车 where (状态='开' and 车次 not in (select 车次 from 发车表))
select sum(数量) from 已售车票 where 票价>0 and 标志<>'退票'  and 乘车日期='2008-05-07' and 车次='8003'
select sum(数量) from 已售车票 where 开出='已检' and 乘车日期='2008-05-07' and 车次='8003'
select sum(数量) from 已售车票 where 开出='是' and 票价>0 and 标志<>'退票'  and 乘车日期='2008-05-07' and 车次='8003'
select * from 已售车票 where 车次='8003' and 乘车日期>='2008-05-07'
select 路程 from 票价表 where 站点名称='深圳'
update 站台客车 set IC卡号='',停刷=0 where 车次='8003'
select 调价日期,站点编号,站点名称,六类价,五类价,四类价,三类价,二类价,一类价 from 票价表节日
select DISTINCT 调价日期 from 票价表节日 order by 调价日期
insert into 票价表节日 (调价日期,站点编号,站点名称,六类价,五类价,四类价,三类价,二类价,一类价) values('2008-05-07','8003','深圳',25,30,35,40,45,50)
delete from 票价表节日 where 调价日期='2008-05-07'
delete from 票价表节日
update 票价表节日 set 三类价=33 where 调价日期='2008-05-07' and 站点编号='8003'
update 票价表节日 set  六类价=25,五类价=30,四类价=35,三类价=40,二类价=45,一类价=50 where 调价日期='2008-05-07' and 站点编号='8003'
update 票价表节日 set  六类价=25,五类价=30,四类价=35,三类价=40,二类价=45,一类价=50 where 调价日期='2008-05-07' and  站点编号='8003'
select * from 现金管理 where  (当班人='0101') and (已结=0)
select count(*) from 已售车票 where 乘车日期+车次='2008-05-078003'
select * from 发车表 where 车次='8003'
select sum(数量) from 已售车票 where 售票员='0101' and  (已结账=0) and  票价>0
select 废票数,起始票号1,起始票号2,终止票号1 from 现金管理 where 结算号=12 and 已结=0
select A.车次,C.线路名称 as 行车方向,A.类型,A.票价类型,A.中途,A.发车时间,A.停靠站台,B.座位数,A.状态,A.加售分钟,A.末班车,C.沿途停靠站 as 途经,A.开停条件,A.起始座号,B.客车名称,B.车牌号码 from 站台客车 A ,客车 B,行车线路表 C where (A.行车线路=C.线路编号) and (A.进站客车=B.客车编号) and (A.状态='开') and (charindex('深圳',C.沿途停靠站)>0) order by A.发车时间
select CCNO,SSUM from DeskList where DATE0='08-05-07'
select 座位号,到站,标志 from 已售车票 where 乘车日期+车次='2008-05-078003' and 标志<>'退票' order by 座位号
select * from 票价表节日 where 调价日期+站点编号='20080507012'
select 票号 from 已售车票 where 票号+售票员='0507080030010101' and 已结账=0 and 标志<>'退票'
select 票号 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800301' and 标志<>'退票'
update desklist set ssum=ssum+2 where date0+ccno='08-05-078003'
update 发车表 set 售出=售出+2 where 检票='是' AND 车次='8003'
insert into 已售车票 (票号,车次,行车方向,乘车日期,乘车时间,座位号,到站,数量,票价,售票员,售出时间,检票员,检票时间,停靠卡位,类型,车型,标志,已结账,原票号,PID,开出,结算号,流水号,保险额) values('050708003001','8003','L01','2008-05-07','08:30','01','深圳',1,25.5,'0101','2008-05-07 08:30.15','未知','未检','3号位','直达','B01','全票',0,'050708003001','0','否',12,100023,2)
insert into 已售车票 (票号,车次,行车方向,乘车日期,乘车时间,座位号,到站,数量,票价,售票员,售出时间,检票员,检票时间,停靠卡位,类型,车型,标志,已结账,原票号,PID,开出,保险额) values('050708003001','8003','L01','2008-05-07','08:30','01','深圳',1,0,'0101','2008-05-07 08:30.15','0101','无需检票','3号位','直达','B01','留位',0,'050708003001','0','否',0)
select 票号,到站,售票员,售出时间 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800301' and 标志='留位'
delete 已售车票 where 票号='050708003001' and 标志='留位' and 售票员='0101'
update desklist set ssum=ssum-1 where date0+ccno='08-05-078003'
update 发车表 set 售出=售出-1 where 检票='是' AND 车次='8003'
select 票号,到站,票价,售票员,售出时间,标志 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800301' and 标志<>'退票'
select 票号,到站,售票员,标志,票价 from 已售车票 where 乘车日期+车次+座位号='2008-05-07800301' and 标志<>'退票'
delete 已售车票 where 票号='050708003001' and 标志<>'退票' and 售票员='0101'
update 现金管理 set 废票数=废票数+1 where 结算号=12 and 已结=0
select 废票数 from 现金管理 where 结算号=12 and 已结=0
insert into 重打车票 (重打时间,原流水号,新流水号,票号,车次,行车方向,到站,类型,乘车日期,乘车时间,座位号,数量,票价,售票员,标志,售出时间,结算号) select '2008-05-07 08:30.15',100023,100024,票号,车次,行车方向,到站,类型,乘车日期,乘车时间,座位号,数量,票价,售票员,标志,售出时间,结算号  from 已售车票 where 票号='050708003001' and 售票员='0101' and 结算号=12
update 已售车票 set 流水号=100024 where 票号='050708003001' and 流水号=100023 and 售票员='0101'
select pid from 已售车票 where 票号='050708003001'
update 已售车票 set pid='1' where 票号='050708003001'
select * from 已售车票 where 票号='050708003001'
select 票号,票价 from 已售车票 where 票号='050708003001'
update 已售车票 set 标志='退票',检票员='无需检票',检票时间='无需检票' where 票号='050708003001'
delete from 已售车票 where 票号='050708003001'
update 已售车票 set 票号='050799003001',标志='退票',检票员='无需检票',检票时间='无需检票' where 票号='050708003001'
insert into 已售车票 (票号,车次,行车方向,乘车日期,乘车时间,座位号,到站,数量,票价,售票员,售出时间,检票员,检票时间,停靠卡位,类型,标志,已结账,原票号,PID,开出,结算号,流水号,保险额) values('050700003001','8003','L01','2008-05-07','08:30','01','深圳',-1,-12.5,'0101','2008-05-07 08:30.15','无需检票','无需检票','3号位','直达','退票',0,'050708003001','0','否',012,100023,-2)
select sum(数量),sum(票价),sum(保险额) from 已售车票 where 售票员='8003' and  (已结账=0) and  票价>0
select count(票号) from 重打车票 where 结算号=12
insert into 现金管理 (当班日期,当班人,上班时间,下班时间,交班人,接班人,转入现金,类型,已结,起始票号1,起始票号2,废票数,保险费) values('2008-05-07','8003','17:30','未知','开班登记','未知',100,'首班',0,100001,0,0,0)
update 现金管理 set 终止票号1=100050, 起始票号2=0 where 当班人='8003' and 已结=0
update 现金管理 set 当班日期='2008-05-07', 下班时间='17:30', 接班人='0102', 转出现金=180, 当班收入=180, 售票数量=5, 售票收入=200, 退票数量=-1, 退票金额=-20, 差额=-3.5, 类型='财务结算', 已结=1, 终止票号1=100050, 终止票号2=0, 保险费=4, 废票数=1 where 当班人='8003' and 已结=0
update 已售车票 set 已结账=1,结算号=12 where (售票员='8003') and (已结账=0)
insert into 已售车票_往日 (票号,车次,行车方向,到站,类型,乘车日期,乘车时间,座位号,数量,票价,售票员,标志,检票员,承运客车,售出时间,重打,结算号,流水号,保险额) select 票号,车次,行车方向,到站,类型,乘车日期,乘车时间,座位号,数量,票价,售票员,标志,检票员,承运客车,售出时间,PID,结算号,流水号,保险额  from 已售车票 where 结算号=12
select * from 重打车票 where 结算号=12 order by 原流水号
select * from 已售车票 where 标志='退票' and 结算号=12 order by 流水号
delete from 财务期间 where 财务期间='2008-05'
insert into 财务期间 (售票员,初始现金,售票数量,售票收入,退票数量,退票金额,应结金额,实结金额,差额,财务期间,统计起始日,统计终止日) select 当班人+' '+B.操作员姓名,sum(转入现金),sum(售票数量),sum(售票收入),sum(退票数量),sum(退票金额),sum(当班收入),sum(转出现金),sum(差额) as 差额,'2008-05','2008-05-01','2008-05-31' from 现金管理 A,操作员 B where 当班日期>='2008-05-01' and 当班日期<='2008-05-31' and 当班人=B.操作员代号 group by 当班人+' '+B.操作员姓名
select 票号 from 已售车票 where 标志<>'留位' and 标志<>'退票'  and 乘车日期='2008-05-07' and right(票号,6)='800301'
select * from 已售车票 where 乘车日期='2008-05-07' and 票号='050708003001'
update DeskList set desk='45' where DATE0+CCNO='2008-05-07800301'
update 已售车票 set 承运客车='B01', 开出='已检', 座位号='01', 检票员='0101', 检票时间='08:30' where 乘车日期='2008-05-07' and 票号='050708003001'
update DeskList set SSUM=SSUM-1 where DATE0+CCNO='08-05-078003'
update 发车表 set 售出=售出-1 where 车次='8003'
update DeskList set SSUM=SSUM+1 where DATE0+CCNO='08-05-078005'
update 已售车票 set 承运客车='B01', 票号='050708005002', 开出='已检', 座位号='02', 车次='8005', 检票员='0101', 原票号='050708003001', 检票时间='08:30' where 标志<>'留位' and 标志<>'退票'  and 乘车日期='2008-05-07' and 票号='050708003001'
select 座位号,票号,到站,标志 from 已售车票 where 乘车日期+车次='2008-05-078003' and 标志<>'退票' order by 座位号
select * from 已售车票 where 乘车日期='2008-05-07' and 车次='8003' and 检票员='未知' and 开出='否'
update 已售车票 set 承运客车='B01', 开出='已检', 检票员='0101', 检票时间='08:30' where 乘车日期='2008-05-07' and 车次='8003' and 检票员='未知' and 开出='否'
select 车次,进站客车,线路名称,发车时间,状态 from 站台客车 where IC卡号='C001'
select sum(数量) from 已售车票 where 开出<>'是' and 票价>0 and 标志<>'退票'  and 乘车日期='2008-05-07' and 车次='8003'
update 发车表 set 检票='否'  ,承运客车='' ,座位数=0 ,车属单位='' where 车次='8003'
select 座位号,到站,标志,检票时间,乘车时间,行车方向,票号,原票号 from 已售车票 where 开出='已检' and 标志<>'退票' and 乘车日期='2008-05-07' and 车次='8003'
update 发车表 set 已检=3, 售出=5 where 车次='8003'
select 车次,线路名称,类型,发车时间,检票口 from 站台客车 where 状态='开' order by 发车时间
select sum(数量) from 已售车票 where 票价>0 and 检票时间<>'未检' and 标志<>'退票' and 乘车日期='2008-05-07' and 车次='8003'
select sum(数量) from 已售车票 where 开出='已检' and 标志<>'退票' and 乘车日期='2008-05-07' and 车次='8003'
select 进站客车 from 站台客车 where 车次='8003'
select count(*)+1 from 车次月结单  where left(日结单号,8)='20080507'
select 行车方向,乘车时间 from 已售车票 where 乘车日期='2008-05-07' and 开出='已检' and 车次='8003'
select 到站,sum(数量) as 人数,sum(票价) as 金额 from 已售车票 where 标志<>'留位' and 标志<>'退票'  and 乘车日期='2008-05-07' and 车次='8003' group by 到站
select 到站,sum(数量) as 人数,sum(票价) as 金额 from 已售车票 where 开出='已检' and 乘车日期='2008-05-07' and 车次='8003' group by 到站
select 行车线路 from 站台客车 where 车次='8003'
select 沿途停靠站 from 行车线路表 where 线路编号='L01'
select sum(数量) as 人数,sum(票价) as 金额,min(票价) as 票价 from 已售车票 where 到站='深圳' and 标志='全票' and 检票时间<>'未检' and 乘车日期='2008-05-07' and 车次='8003'
select 客车编号 from 客车安检 where 客车编号='B01' and 离站时间='88:88' and 检验结果=1
select 类型,线路名称 as 行车方向,承运客车 as 客车编号,发车时间,座位数,车属单位 from 发车表 where 车次='8003'
select 车牌号码 from 客车 where 客车编号='B01'
select * from 票价表节日 where 调价日期+站点编号='200805078003'
delete from 车次日结单 where 日结单号='050708003001'
update 车次月结单 set 行车方向='L01',发车时间='08:30',售出票数=5,金额=12.5,上车人数=30,应结金额=150,结算人='0101',客车编号='B01',车属单位='运输公司',座位数='45',类型='直达',扣款方式=1,终点站=0,每票扣=1.5,人公里=1200 where 日结单号='050708003001'
update 已售车票 set 开出='是' where 乘车日期='2008-05-07' and 车次='8003'
update 发车表 set 检票='开出' where 车次='8003'
update 已售车票 set 开出='是' where 乘车日期='2008-05-07' and 开出='已检' and 车次='8003'
update DeskList set DESK='000000000000000000000000000000000000000000000000000000000000' where DATE0+CCNO='08-05-078003'
update 发车表 set 检票='否', 检到车次='', 承运客车='', 座位数=0, 车属单位='' where 车次='8003'
update 客车安检 set 离站时间='17:30' where 客车编号='B01' and 离站时间='88:88' and 检验结果=1
select 序号,发车时间,行车方向,客车编号,上车人数,日结单号,出单时间 from 车次月结单 order by 日结单号
select 类型,行车方向,客车编号,发车时间,座位数,车属单位,序号,车次,每票扣,出单时间,扣款方式 from 车次月结单 where 日结单号='050708003001'
select 到站,售出票数,金额,上车人数,应结金额,全票,全票价,半票,半票价 from 车次日结单 where 日结单号='050708003001'
select 车次,线路名称,发车时间,座位数,售出,已检,检到车次,承运客车 from 发车表 where 检票='是' order by 发车时间
update 发车表 set 检到车次='8005' where 车次='8003'
update 发车表 set 检到车次='' where 车次='8003'
select count(*)+1 from 月结单结算汇总
select A.车次,C.线路名称 as 行车方向,A.类型,A.发车时间,B.座位数,B.客车名称 from 站台客车 A ,客车 B,行车线路表 C where (A.行车线路=C.线路编号) and (A.默认客车=B.客车编号) order by A.发车时间
select * from zsdes
select * from zsdes where 证书名称='深圳'
update zsdes set 证书宽=200,证书高=100,左边界=5,上边界=5,转向=0 where 证书名称='深圳'
update zsdes set str1='10,20' where 证书名称='深圳'
delete from ZSdes
select * from 保管费收入 where  (当班人='0101') and (已结=0)
select count(*) from 包裹物品管理
select * from 包裹物品管理 where 业务编号='050708003001' and 办理人='未办理'
select * from 包裹物品管理 where 凭证号码='T01' and 办理人='未办理'
select sum(数量),sum(保管费) from 包裹物品管理 where 受理人='0101' and  结账='未结'
select 编号,收费项目,收费形式,费用金额 from 收费项目表 order by 编号
select * from 已交费用表 where 年度+月 ='200805' order by 日
select 交费人,sum(费用金额) from 应交费用表 group by 交费人
select 交费人,应交费用,已交费用,差额,收费人,日,时间  from 已交费用表 where 年度+月 ='200805' order by 日
select 月,sum(应交费用) as 应交费用,sum(已交费用) as 已交费用,sum(差额) as 差额 from 已交费用表 where 年度='2008' group by 月 order by 月
insert into 收费项目表 (编号) values('8003')
update 收费项目表 set 收费项目='深圳', 费用金额=12.5, 收费形式='2008-05' where 编号='8003'
insert into 应交费用表 (交费人,收费项目) values('王五','管理费')
update 应交费用表 set 交费人='王五', 收费项目='管理费', 费用金额=12.5, 收费形式='2008-05', 交费日期='2008-06-01' where 交费人='8003'
delete from 收费项目表 where 收费项目='深圳'
delete from 应交费用表 where 交费人+收费项目='王五管理费'
select * from 客车检查设定表
select * from 客车安检 where 客车编号='B01' and 离站时间='88:88'
select * from 客车安检表 where ID=7
select max(ID) from 客车安检表
select max(安检单号) from 客车安检
insert into 客车检查设定表 (ajbt) values('广东省汽车客运班车报班安全例检记录表')
select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,标志,售票员,保险额,乘车日期,乘车时间,检票时间,售出时间,PID as 重打 from 已售车票 where 已结账=0 and 标志<>'留位' order by 售票员,流水号
select left(当班日期,7) as 日期,sum(转入现金) as 转入现金,sum(售票数量) as 售票数量,sum(售票收入) as 售票收入,sum(退票数量) as 退票数量,sum(退票金额) as 退票金额,sum(当班收入) as 当班收入,sum(转出现金) as 转出现金,sum(差额) as 差额,sum(保险费) as 保险费 from 现金管理  group by left(当班日期,7) order by left(当班日期,7)
select 当班日期 as 日期,sum(转入现金) as 转入现金,sum(售票数量)as 售票数量,sum(售票收入)as 售票收入,sum(退票数量)as 退票数量,sum(退票金额)as 退票金额,sum(当班收入) as 当班收入,sum(转出现金)as 转出现金,sum(差额)as 差额,0 as 保险费 from 每日票款收入 group by 当班日期 order by 当班日期
select left(当班日期,4) as 年份,sum(售票数量)as 售出票数,sum(售票收入)as 票款金额,sum(退票数量)as 退票数,sum(退票金额)as 退票金额,sum(当班收入) as 实际收入 from 每日票款收入 group by left(当班日期,4) order by left(当班日期,4)
select 序号,日结单号,行车方向,发车时间 as 时间,售出票数 as 售出,金额,上车人数 as 上车,应结金额,(售出票数-上车人数) as 人数差,(金额-应结金额) as 差额,人公里,终点站,结算人,每票扣,结算日期,客车编号,类型,座位数 as 座数,车次,车属单位 from 车次月结单 order by 日结单号
select * from 保管费收入
select 业务编号,物品名称,数量,投保时间,保管天数,受理人,摆放位置,物主姓名,取物凭证 from 包裹物品管理 where 办理人='未办理' order by 业务编号
select 业务编号,物品名称,数量,保管天数,保管费,受理人,投保时间,取物时间 as 退保时间,办理人 from 包裹物品管理  order by 业务编号
select 线路名称 from 行车线路表
select 站点名称 from 票价表
delete from DeskList
delete from Z日各站售出情况
delete from Z月各站售出情况
delete from 保管费收入
delete from 包裹物品管理
delete from 包车
delete from 发车表
delete from 已交费用表
delete from 已售车票
delete from 已售车票_往日
delete from 应交费用表
delete from 月结单结算汇总
delete from 每年各月售票汇总
delete from 每日票款收入
delete from 每日车次售票汇总
delete from 每月各日售票汇总
delete from 现金管理
delete from 行李保管费汇总
delete from 车次日结单
delete from 车次日结单_往日
delete from 车次月结单
delete from 车次月结单_往日
delete from 客车安检
delete from 客车安检表
delete from 重打车票
select A.车次,C.线路名称 as 行车方向,A.类型,A.票价类型,A.中途,A.发车时间,A.停靠站台,B.座位数,A.状态,A.加售分钟,A.末班车,C.沿途停靠站 as 途经,A.开停条件,A.起始座号,B.客车名称 from 站台客车 A ,客车 B,行车线路表 C where (A.行车线路=C.线路编号) and (A.进站客车=B.客车编号) and (A.状态='开')  order by A.发车时间
insert into 系统参数表 (可预售天数,半票率,小数位) values(7,0.5,0)
update 操作员 set 操作员密码='newpass' where 操作员代号='0101'
insert into  操作记录 (操作员代号,操作模块,操作机器,进入时间,退出时间) values('0101','售票','DESK1','05-07,08:30.15','05-07,正操作中...')
update 操作记录 set 退出时间='05-07,17:30.00' where 操作员代号='0101' and 操作模块='售票' and 进入时间='05-07,08:30.15'
delete from 客车 where 客车编号='B01'
delete from 站台 where 站台卡位='3号位'
delete from 收费项目表 where 收费项目='管理费'
delete from desklist where DATE0+CCNO='08-05-078003'
insert into 操作权限 (操作员代号,模块名称,新增权,修改权,删除权,查找权,打印权) values('0101','售票',1,1,1,1,1)
delete from 操作权限 where 操作员代号+模块名称='0101售票'
update 操作权限 set 新增权=1,修改权=1,删除权=1,查找权=1,打印权=1 where 操作员代号+模块名称='0101售票'
update 操作权限 set 修改权=0 where 操作员代号+模块名称='0101售票'
select count(*) from 已售车票 where 售票员='0101'
delete from 操作权限 where 操作员代号='0101'
delete from 操作员 where 操作员代号='0101'
insert into 操作员 (操作员代号,操作员姓名,操作员职务,操作员密码) values('0101','张三','售票员','secret')
update 操作员 set  操作员代号='0101',操作员姓名='张三',操作员职务='售票员',操作员密码='secret' where 操作员代号='0101'
update 操作员 set  操作员代号='0101',操作员姓名='张三',操作员职务='售票员' where 操作员代号='0101'
select * from 操作权限 where 操作员代号='0101'
select 操作员代号 from 操作员 where 操作员职务='售票员'
select 模块名称,新增权,修改权,删除权,查找权,打印权 from 操作权限 where 操作员代号='0102'
update 部门信息 set 部门名称='**汽车站', 所在省份='广东', 所在地市='广州', 所在县区='天河', 所在街道='中山路', 邮政编码='510000', 部门电话1='123', 部门电话2='456', 负责人姓名='王五', 负责人电话='789'
update 系统参数表 set 可预售天数=7, 半票率=0.5, 小数位=0, 车票宽=80, 车票高=0,  车票左边界=0,  车票上边界=0,  条码大小=0,  停止售票=0,  加收费用=0,  扣减费用=0,  车票条码类型='Code39',  PrnSelf=0,  手工检票密码='1234'
select 车次,IC卡号,发车时间,停刷 from 站台客车 where IC卡号='C001'
update 站台客车 set 开停条件='D05' where 车次='8003'
update 站台客车 set 开停条件='E' where 车次='8003'
update 站台客车 set 状态='停',开停条件='E' where 车次='8003'
update 站台客车 set 状态='开',开停条件='E' where 车次='8003'
insert into IC卡报班记录 (IC卡号,刷卡时间,车次,行车方向,乘车时间,客车编号,类型) values('C001','2008-05-07 08:30.15','8003','广深线','08:30','B01','当天-报开')
select 车次,线路名称,发车时间,座位数,售出,已检,检到车次,承运客车 from 发车表 where 检票='是'  and ((检票口='1') or (检票口='2'))
Select 车次,发车时间 as 发车,线路名称,类型,承运客车,座位数 as 座数,检票,检票口,车属单位 from 发车表 where 检票<>'开出'  and ((检票口='1') or (检票口='2')) order by 发车时间
insert into 车次日结单 (日结单号,行车方向,到站,售出票数,金额,上车人数,应结金额,全票,全票价,半票,半票价,结算人,客车编号,公里) values('2008050700001','广深线','深圳',5,127.50,5,120.00,4,25.50,1,12.50,'0101','B01',120)
insert into 车次月结单 (日结单号,行车方向,发车时间,售出票数,金额,上车人数,应结金额,结算人,结算日期,客车编号,序号,车属单位,座位数,类型,车次,每票扣,人公里,终点站,出单时间,扣款方式) values('2008050700001','广深线','08:30',5,127.50,5,120.00,'0101','末结','B01','1','运输公司',45,'直达','8003',1.5,1200,0,'08:35.10','1')
select top 20 结算号,结算日期,收款人,实结金额,扣款方式,扣款率 from 月结单结算汇总 where 结算人='张三' order by 结算号 desc
select * from 收费项目表 where 编号='01'
select * from 车次月结单_往日 where 日结单号='2008050700001'
update 车次月结单_往日 set 结算人='张三',结算号='0001' where 日结单号='2008050700001'
insert into 已交费用表 (结算号,收费项目,收费形式,费用金额) values('0001','管理费','每月',50.00)
insert into 月结单结算汇总 (结算号,结算日期,结款时间,收款人,单据数,总人数,总金额,扣款方式,扣款率,扣款额,实结金额,结算人,费用金额) values('0001','2008-05-31','17:30','王五',3,90,2300.00,'按比例',5.00,115.00,2135.00,'张三',50.00)
select * from 车次月结单_往日 where 结算号=1
select 收费项目,收费形式,费用金额 from 已交费用表 where 结算号=1
select * from DeskList where DATE0+CCNO='08-05-078003'
insert into 包车 (包车人,联系电话,单位地址,包车日期,所包车次,车次方向,包车费共,支付定金,下单人,下单日期,误车否) values('王五','123456','中山路1号','08-05-09','8003','广深线',1500.00,500.00,'0101','2008-05-07','否')
insert into desklist (DATE0,CCNO,DESK) values('08-05-09','8003','222222222222222222222222222222222222222222222222222222222222')
update desklist set desk='222222222222222222222222222222222222222222222222222222222222' where DATE0+CCNO='08-05-098003'
update 包车 set 结账人='0101',结账日期='2008-05-07' where 包车人='王五' and 包车日期='08-05-09' and 所包车次='8003'
insert into 包裹物品管理 (业务编号,物品名称,规格或特征,数量,保管天数,保管费,投保时间,受理人,摆放位置,物主姓名,取物凭证,凭证号码,取物时间,办理人,结账) Values ('0805070001','行李箱','黑色',1,2,      4.00,'2008-05-07,08:30','0101','A1','王五','身份证','440101','未知','未办理','未结')
update 包裹物品管理 set 办理人='0101',取物时间='2008-05-07,17:30' where 业务编号='0805070001' and 办理人='未办理'
insert into 保管费收入 (当班日期,当班人,上班时间,交班人,转入现金,类型,已结) values('2008-05-07','0101','08:00','财务人员',100,'首班',0)
update  保管费收入 set 当班日期='2008-05-07',接班人='0102',下班时间='17:30',转出现金=104,当班收入=4,行李数量=1,差额=0,类型='结算',已结=1 where 当班人='0101' and 已结=0
update 包裹物品管理 set 结账='已结' where 受理人='0101' and  结账='未结'
insert into 已交费用表 (交费人,应交费用,已交费用,差额,收费人,年度,月,日,时间) values('王五',50.00,50.00,0.00,'0101','2008','05','07','17:30')
insert into 客车安检表 (AllOK,OK1,OK2,OK3,OK4,OK5,OK6,OK7,OK8,OK9,OK10,ZJGStr) values(1,1,1,1,1,1,1,1,1,1,1,'')
insert into 客车安检 (客车编号,检验日期,检验员,驾驶员,跟车员,检验结果,离站时间,明细表号) values('B01','2008-05-07 08:00','张三','李四','赵六',1,'88:88',7)
update 客车安检 set 驾驶员='李四',跟车员='赵六',检验结果=1 where 客车编号='B01' and 离站时间='88:88'
update 客车安检表 set AllOK=1,OK1=1,OK2=1,OK3=1,OK4=1,OK5=1,OK6=1,OK7=1,OK8=1,OK9=1,OK10=0,ZJGStr='灯光' where ID=7
update 客车检查设定表 set bzstr='注:合格打勾'
update 客车检查设定表 set xm1='轮胎',xmyq1='无破损'
update 客车检查设定表 set bzstr='注:合格打勾',ajbt='广东省汽车客运班车报班安全例检记录表'
select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,保险额,标志,售票员,乘车日期,乘车时间,检票时间,售出时间,PID as 重打 from 已售车票 where left(票号,4)='0507' and 标志<>'留位' order by 流水号
select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,保险额,标志,乘车日期,乘车时间,售票员,售出时间,检票员,检票时间,承运客车,开出,PID as 重打 from 已售车票 where 乘车日期 ='2008-05-07' and 标志<>'留位' order by 乘车时间+车次+座位号
select 流水号,行车方向,乘车时间,检票员,检票时间,原票号,left(right(原票号,6),4) as 原车次,right(原票号,2) as 原座号,票号 as 特检后票号,车次,座位号 as 座号,类型,到站,数量,票价,标志,售票员,售出时间 from 已售车票 where 乘车日期 ='2008-05-07' and 票号<>原票号 and 标志<>'退票' order by 乘车时间+车次+座位号
select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,保险额,标志,乘车日期,乘车时间,售票员,售出时间,PID as 重打 from 已售车票 where 乘车日期>'2008-05-07' and 标志<>'留位' order by 乘车日期+乘车时间+车次+座位号
select * from( select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,保险额,标志,乘车日期,乘车时间,售票员,售出时间,重打,检票员,承运客车 from 已售车票_往日 where left(售出时间,10)='2008-05-07' and 标志<>'留位' union all select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,保险额,标志,乘车日期,乘车时间,售票员,售出时间,PID as 重打,检票员,承运客车 from 已售车票 where left(售出时间,10)='2008-05-07' and 标志<>'留位' and 已结账=0  )tmp1 order by 售出时间
select * from( select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,保险额,标志,乘车日期,乘车时间,售票员,售出时间,重打,检票员,承运客车 from 已售车票_往日 where 乘车日期='2008-05-07' and 标志<>'留位' union all select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,保险额,标志,乘车日期,乘车时间,售票员,售出时间,PID as 重打,检票员,承运客车 from 已售车票 where 乘车日期='2008-05-07' and 标志<>'留位'  and 已结账=0  )tmp1 order by 售出时间
select 结算号,right(当班日期,5) as 日期,当班人+' '+B.操作员姓名 as 售票员,转入现金,售票数量,售票收入,退票数量,退票金额,当班收入,转出现金,差额,接班人 as 财务,起始票号1,终止票号1,起始票号2,终止票号2,废票数,终止票号1-起始票号1+终止票号2-起始票号2 as 撕票数,售票数量+废票数 as 电脑数,保险费 from 现金管理 A,操作员 B where left(当班日期,7)='2008-05' and 当班人=B.操作员代号 order by 结算号
select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,标志,售票员,保险额,乘车日期,乘车时间,检票时间,售出时间,PID as 重打 from 已售车票 where 已结账=0 and 标志<>'留位' and 结算号=12 order by 售票员,流水号
select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,保险额,标志,售票员,乘车日期,乘车时间,售出时间,重打 from 已售车票_往日 where 结算号=12 and 标志<>'留位' order by 售票员,流水号
select right(当班日期,5) as 日期,sum(转入现金) as 转入现金,sum(售票数量) as 售票数量,sum(售票收入) as 售票收入,sum(退票数量) as 退票数量,sum(退票金额) as 退票金额,sum(当班收入) as 当班收入,sum(转出现金) as 转出现金,sum(差额) as 差额,sum(保险费) as 保险费 from 现金管理 where left(当班日期,7)='2008-05' group by right(当班日期,5) order by right(当班日期,5)
select left(当班日期,7) as 日期,当班人+' '+B.操作员姓名 as 售票员,sum(转入现金) as 转入现金,sum(售票数量) as 售票数量,sum(售票收入) as 售票收入,sum(退票数量) as 退票数量,sum(退票金额) as 退票金额,sum(当班收入) as 当班收入,sum(转出现金) as 转出现金,sum(差额) as 差额,sum(保险费) as 保险费 from 现金管理 A,操作员 B where left(当班日期,4)='2008' and 当班人=B.操作员代号 group by left(当班日期,7),当班人+' '+B.操作员姓名 order by left(当班日期,7)
select * from 财务期间  where left(财务期间,4)= '2008' order by 财务期间
select 序号,日结单号,行车方向,发车时间 as 时间,售出票数 as 售出,金额,上车人数 as 上车,应结金额,(售出票数-上车人数) as 人数差,(金额-应结金额) as 差额,人公里,终点站,结算人,每票扣,结算日期,客车编号,类型,座位数 as 座数,车次,车属单位 from 车次月结单_往日 where left(日结单号,6)='200805' order by 日结单号
select * from 月结单结算汇总 where left(结算日期,4)= '2008' order by 结算号
select 到站,sum(上车人数) as 上车人数 ,sum(全票) as 全票 ,sum(半票) as 半票  from 车次日结单_往日 where left(日结单号,8)='20080507' and (上车人数<>0) group by 到站
select 到站,sum(上车人数) as 上车人数 ,sum(全票) as 全票 ,sum(半票) as 半票  from 车次日结单_往日 where left(日结单号,6)='200805' and (上车人数<>0) group by 到站
select A.刷卡时间,B.车主姓名,A.类型,A.车次,A.乘车时间,A.行车方向,A.客车编号,B.客车名称,B.座位数,B.车牌号码,B.车主电话,A.IC卡号,B.车属单位 from IC卡报班记录 A ,客车 B where A.客车编号=B.客车编号 and left(A.刷卡时间,10)='2008-05-07'
select 日,受理人,保管行李数,保管费收入 from 行李保管费汇总 where 年度+月份 ='200805' order by 日
select 月份,sum(保管行李数) as 保管行李数,sum(保管费收入) as 保管费收入 from 行李保管费汇总  where 年度 ='2008' group by 月份
select distinct * into tem_包车 from 包车
drop table 包车
select * into 包车 from tem_包车
drop table tem_包车
insert into 已售车票 (票号,原票号,车次,行车方向,到站,类型,乘车日期,乘车时间,座位号,数量,票价,售票员,标志,检票员,承运客车,售出时间, PID,结算号,流水号,保险额,已结账) select 票号,  票号,车次,行车方向,到站,类型,乘车日期,乘车时间,座位号,数量,票价,售票员,标志,检票员,承运客车,售出时间,重打,结算号,流水号,保险额,1  from 已售车票_往日 b where (乘车日期>='2008-05-07') and (not exists (Select 票号 from 已售车票 a where b.票号=a.票号))
select left(售出时间,7) as 售出日期,车次,行车方向 as 线路名称,乘车时间 as 时间,到站,标志,sum(数量)+((count(票号)-sum(数量))/2) as 售出票数,(count(票号)-sum(数量))/2 as 退票数,sum(票价) as 票款金额,sum(保险额) as 保险额  from( select 乘车日期,售出时间,车次,行车方向,标志, 数量, 票号,票价,保险额,乘车时间,到站 from 已售车票_往日 where  left(售出时间,10)>='2008-05-01' and  left(售出时间,10)<='2008-05-31' and  标志<>'留位'  and 行车方向='广深线'  and 售票员='0101'  union all select 乘车日期,售出时间,车次,行车方向,标志, 数量, 票号,票价,保险额,乘车时间,到站 from 已售车票 where  left(售出时间,10)>='2008-05-01' and  left(售出时间,10)<='2008-05-31' and  标志<>'留位' and 已结账=0  and 行车方向='广深线'  and 售票员='0101'  )tmp  group by left(售出时间,7),车次,行车方向,乘车时间,到站,标志 order by left(售出时间,7),行车方向,乘车时间,到站,标志
select left(乘车日期,4) as 乘车日期,行车方向 as 线路名称,sum(数量)+((count(票号)-sum(数量))/2) as 售出票数,(count(票号)-sum(数量))/2 as 退票数,sum(票价) as 票款金额,sum(保险额) as 保险额  from( select 乘车日期,售出时间,车次,行车方向,标志, 数量, 票号,票价,保险额,乘车时间,到站 from 已售车票_往日 where  标志<>'留位'  union all select 乘车日期,售出时间,车次,行车方向,标志, 数量, 票号,票价,保险额,乘车时间,到站 from 已售车票 where  标志<>'留位' and 已结账=0  )tmp  group by left(乘车日期,4),行车方向 order by left(乘车日期,4),行车方向
select 乘车日期,sum(数量)+((count(票号)-sum(数量))/2) as 售出票数,(count(票号)-sum(数量))/2 as 退票数,sum(票价) as 票款金额,sum(保险额) as 保险额  from( select 乘车日期,售出时间,车次,行车方向,标志, 数量, 票号,票价,保险额,乘车时间,到站 from 已售车票_往日 where  乘车日期>='2008-05-01' and  乘车日期<='2008-05-31' and  标志<>'留位'  union all select 乘车日期,售出时间,车次,行车方向,标志, 数量, 票号,票价,保险额,乘车时间,到站 from 已售车票 where  乘车日期>='2008-05-01' and  乘车日期<='2008-05-31' and  标志<>'留位' and 已结账=0  )tmp  group by 乘车日期 order by 乘车日期
select 年,到站,sum(上车人数) as 上车人数,sum(全票) as 全票,sum(半票) as 半票 from Z月各站售出情况 where 年>='2007' and 年<='2008' and 到站='深圳' group by 年,到站 order by 年
select 年,月,到站,sum(上车人数) as 上车人数,sum(全票) as 全票,sum(半票) as 半票 from Z月各站售出情况 where 年+月>='200801' and 年+月<='200805' group by 年,月,到站 order by 年,月
select 年月,日,到站,sum(上车人数) as 上车人数,sum(全票) as 全票,sum(半票) as 半票 from Z日各站售出情况 where 年月+日>='20080501' and 年月+日<='20080507' group by 年月,日,到站 order by 年月,日
select CCNO,SSUM from DeskList where date0='08-05-07'
select 票号,流水号,车次,类型,行车方向,到站,座位号,数量,票价,标志,乘车日期,乘车时间,售票员,售出时间,检票员,检票时间 from 已售车票 where 票号 in (select 原票号 from 已售车票 where 乘车日期 ='2008-05-07' and 票号<>原票号) order by 乘车时间+车次+座位号
select 财务期间,sum(初始现金)as 初始现金,sum(售票数量)as 售票数量,sum(售票收入)as 售票收入,sum(退票数量)as 退票数量,sum(退票金额)as 退票金额,sum(应结金额)as 应结金额,sum(实结金额)as 实结金额,sum(差额)as 差额 from 财务期间  where left(财务期间,4)= '2008' group by 财务期间 order by 财务期间
select * from 车次日结单 where 日结单号='2008050700001'
select * from 车次日结单_往日 where 日结单号='2008050700001'
select * from 车次月结单_往日 where 结算号='1'
select * from Z日各站售出情况 where 年月+日='20080507' order by 年月+日
select * from Z月各站售出情况 where 年+月='200805' order by 年+月
