#pragma once

#include <QString>
#include <QStringList>

#include "common/money.h"

namespace wire {
struct DataSet;
}

// The workstation's copy of the single row of 系统参数表, the station-wide settings.
struct SystemParameters {
    int daysAheadOnSale = 14;            // 可预售天数
    int halfFarePercent = 50;            // 半票率
    int fareDecimals = 1;                // 小数位: 1, or 0 for any other stored value
    int saleRetentionDays = 10;          // 售票记录保留天数
    int settlementRetentionDays = 100;   // 票款结算记录保留天数
    int tripSummaryRetentionDays = 100;  // 车次汇总记录保留天数
    int monthlySummaryRetentionMonths = 60;  // 各月汇总记录保留月数
    int operationLogRetentionDays = 7;   // 系统操作日志保留天数
    int fareFloatPercent = 0;            // 票价浮动
    int ownerFeeRetentionYears = 3;      // 业户交费资料保留年数
    int storageFee = 5;                  // 保管费, per item and day
    int storageSummaryRetentionYears = 3;  // 保费汇总资料保留年数
    int storageDailyRetentionDays = 45;  // 保费日常资料保留天数
    QString storageReceiptTitle = QStringLiteral("行李物品保管中心");  // 保管费小票标题
    QString storageReceiptFooter;        // 保管费小票脚标
    int storageReceiptLeft = 20;         // 保费小票左边界
    int storageReceiptTop = 0;           // 保费小票上边界
    int receiptWidth = 880;              // 小票宽
    int receiptHeight = 820;             // 小票高
    bool printStorageReceipts = true;    // 是否打印小票
    QString inspectionNumberPrefix = QStringLiteral("R31-");                 // 安检编号起始码
    QString inspectingUnit = QStringLiteral("青禾汽车站车辆安全检测中心");    // 例检单位
    QString inspectionTitle1 = QStringLiteral("广东省汽车客运班车报班");      // 安检合格通知标题1
    QString inspectionTitle2 = QStringLiteral("安全例检合格通知书");          // 安检合格通知标题2
    bool inspectionOnPreprintedForms = false;  // 套打安检通知单
    bool settlementNeedsInspection = false;    // NeedCheck
    int routeSheetRowSpacing = 16;       // PrnLDhj
    int routeSheetMaxRows = 5;           // PrnLDhx
    int routeSheetPrintMode = 1;         // 车票宽: 0 print at once, 1 preview first
    int lockMode = 0;                    // 条码大小: 0 record lock, 1 table lock
    int saleStopMinutes = 3;             // 停止售票
    Money insuranceFee;                  // 加收费用; 0 switches insurance slips off
    Money deductionPerTicket;            // 扣减费用
    QString departureStationName = QStringLiteral(" ");  // 车票条码类型
    bool printDepartureStation = false;  // PrnSelf
    QString manualCheckPassword = QStringLiteral("59317286");  // 手工检票密码

    // Not a column: the refund rate of this session, 100 after every load.
    int RefundPercent = 100;

    // The first-start values, with the storage receipt footer made from the station's name and
    // telephone number.
    static SystemParameters firstStart(const QString& stationName, const QString& telephone);

    // The statements that write the first-start row into an empty table: one insert, then the
    // columns in six updates. They are meant to be sent as one atomic group.
    QStringList firstStartStatements() const;

    // Reads the cached columns from the first row of a dataset of 系统参数表; columns that the
    // row lacks keep their first-start value.
    static SystemParameters fromRow(const wire::DataSet& table);
};

// The storage receipt footer written on the first start.
QString DefaultStorageReceiptFooter(const QString& stationName, const QString& telephone);
