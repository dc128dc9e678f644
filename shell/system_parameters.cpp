#include "shell/system_parameters.h"

#include "common/sql.h"
#include "protocol/dataset.h"
#include "server/record_view.h"

namespace {

QString assignments(const QList<std::pair<const char16_t*, QString>>& columns) {
    QStringList parts;
    for (const auto& [column, value] : columns) parts << QString::fromUtf16(column) + u'=' + value;
    return QStringLiteral("update 系统参数表 set ") + parts.join(u',');
}

// The first row of a dataset read with the client's own conversions; a missing column or an empty
// cell keeps the fallback.
class RowReader {
public:
    explicit RowReader(const wire::DataSet& table) : table_(table) {}

    int integer(const char16_t* column, int fallback) const {
        return read(column, fallback, [](auto type, const QVariant& cell) {
            return static_cast<int>(RecordView::cellInteger(type, cell));
        });
    }
    bool boolean(const char16_t* column, bool fallback) const {
        return read(column, fallback, &RecordView::cellBoolean);
    }
    QString text(const char16_t* column, const QString& fallback) const {
        return read(column, fallback, &RecordView::cellText);
    }
    Money money(const char16_t* column, Money fallback) const {
        return read(column, fallback, &RecordView::cellMoney);
    }

private:
    template <typename T, typename Convert>
    T read(const char16_t* column, T fallback, Convert convert) const {
        if (table_.rows.isEmpty()) return fallback;
        const int index = RecordView::indexOf(table_.fields, QString::fromUtf16(column));
        if (index < 0 || table_.rows.first().value(index).isNull()) return fallback;
        return convert(table_.fields.at(index).type, table_.rows.first().at(index));
    }

    const wire::DataSet& table_;
};

}  // namespace

QString DefaultStorageReceiptFooter(const QString& stationName, const QString& telephone) {
    return stationName + QString(7, u' ') + QStringLiteral("电话：") + telephone;
}

SystemParameters SystemParameters::firstStart(const QString& stationName, const QString& telephone) {
    SystemParameters p;
    p.storageReceiptFooter = DefaultStorageReceiptFooter(stationName, telephone);
    return p;
}

QStringList SystemParameters::firstStartStatements() const {
    QStringList statements;
    statements << QStringLiteral("insert into 系统参数表 (可预售天数,半票率,小数位) values(") + sqlInt(daysAheadOnSale) +
                      u',' + sqlInt(halfFarePercent) + u',' + sqlInt(fareDecimals) + u')';
    statements << assignments({{u"售票记录保留天数", sqlInt(saleRetentionDays)},
                               {u"票款结算记录保留天数", sqlInt(settlementRetentionDays)},
                               {u"车次汇总记录保留天数", sqlInt(tripSummaryRetentionDays)},
                               {u"各月汇总记录保留月数", sqlInt(monthlySummaryRetentionMonths)},
                               {u"系统操作日志保留天数", sqlInt(operationLogRetentionDays)}});
    statements << assignments({{u"票价浮动", sqlInt(fareFloatPercent)},
                               {u"业户交费资料保留年数", sqlInt(ownerFeeRetentionYears)},
                               {u"保费汇总资料保留年数", sqlInt(storageSummaryRetentionYears)},
                               {u"保费日常资料保留天数", sqlInt(storageDailyRetentionDays)},
                               {u"保管费", sqlInt(storageFee)}});
    statements << assignments({{u"保管费小票标题", sqlText(storageReceiptTitle)},
                               {u"保管费小票脚标", sqlText(storageReceiptFooter)},
                               {u"小票宽", sqlInt(receiptWidth)},
                               {u"小票高", sqlInt(receiptHeight)},
                               {u"保费小票左边界", sqlInt(storageReceiptLeft)},
                               {u"保费小票上边界", sqlInt(storageReceiptTop)},
                               {u"是否打印小票", sqlBool(printStorageReceipts)}});
    statements << assignments({{u"安检编号起始码", sqlText(inspectionNumberPrefix)},
                               {u"例检单位", sqlText(inspectingUnit)},
                               {u"安检合格通知标题1", sqlText(inspectionTitle1)},
                               {u"安检合格通知标题2", sqlText(inspectionTitle2)},
                               {u"套打安检通知单", sqlBool(inspectionOnPreprintedForms)},
                               {u"NeedCheck", sqlBool(settlementNeedsInspection)},
                               {u"PrnLDhj", sqlInt(routeSheetRowSpacing)},
                               {u"PrnLDhx", sqlInt(routeSheetMaxRows)}});
    statements << assignments({{u"车票宽", sqlInt(routeSheetPrintMode)},
                               {u"条码大小", sqlInt(lockMode)},
                               {u"停止售票", sqlInt(saleStopMinutes)},
                               {u"加收费用", sqlMoney(insuranceFee)},
                               {u"扣减费用", sqlMoney(deductionPerTicket)},
                               {u"车票条码类型", sqlText(departureStationName)},
                               {u"PrnSelf", sqlBool(printDepartureStation)},
                               {u"手工检票密码", sqlText(manualCheckPassword)}});
    QStringList layoutColumns;
    for (int i = 1; i <= 10; ++i) {
        layoutColumns << QStringLiteral("T%1X=0").arg(i) << QStringLiteral("T%1Y=0").arg(i);
    }
    statements << QStringLiteral("update 系统参数表 set ") + layoutColumns.join(u',');
    return statements;
}

SystemParameters SystemParameters::fromRow(const wire::DataSet& table) {
    const RowReader row(table);
    SystemParameters p;
    p.daysAheadOnSale = row.integer(u"可预售天数", p.daysAheadOnSale);
    p.halfFarePercent = row.integer(u"半票率", p.halfFarePercent);
    p.fareDecimals = row.integer(u"小数位", p.fareDecimals) == 1 ? 1 : 0;
    p.saleRetentionDays = row.integer(u"售票记录保留天数", p.saleRetentionDays);
    p.settlementRetentionDays = row.integer(u"票款结算记录保留天数", p.settlementRetentionDays);
    p.tripSummaryRetentionDays = row.integer(u"车次汇总记录保留天数", p.tripSummaryRetentionDays);
    p.monthlySummaryRetentionMonths = row.integer(u"各月汇总记录保留月数", p.monthlySummaryRetentionMonths);
    p.operationLogRetentionDays = row.integer(u"系统操作日志保留天数", p.operationLogRetentionDays);
    p.fareFloatPercent = row.integer(u"票价浮动", p.fareFloatPercent);
    p.ownerFeeRetentionYears = row.integer(u"业户交费资料保留年数", p.ownerFeeRetentionYears);
    p.storageFee = row.integer(u"保管费", p.storageFee);
    p.storageSummaryRetentionYears = row.integer(u"保费汇总资料保留年数", p.storageSummaryRetentionYears);
    p.storageDailyRetentionDays = row.integer(u"保费日常资料保留天数", p.storageDailyRetentionDays);
    p.storageReceiptTitle = row.text(u"保管费小票标题", p.storageReceiptTitle);
    p.storageReceiptFooter = row.text(u"保管费小票脚标", p.storageReceiptFooter);
    p.storageReceiptLeft = row.integer(u"保费小票左边界", p.storageReceiptLeft);
    p.storageReceiptTop = row.integer(u"保费小票上边界", p.storageReceiptTop);
    p.receiptWidth = row.integer(u"小票宽", p.receiptWidth);
    p.receiptHeight = row.integer(u"小票高", p.receiptHeight);
    p.printStorageReceipts = row.boolean(u"是否打印小票", p.printStorageReceipts);
    p.inspectionNumberPrefix = row.text(u"安检编号起始码", p.inspectionNumberPrefix);
    p.inspectingUnit = row.text(u"例检单位", p.inspectingUnit);
    p.inspectionTitle1 = row.text(u"安检合格通知标题1", p.inspectionTitle1);
    p.inspectionTitle2 = row.text(u"安检合格通知标题2", p.inspectionTitle2);
    p.inspectionOnPreprintedForms = row.boolean(u"套打安检通知单", p.inspectionOnPreprintedForms);
    p.settlementNeedsInspection = row.boolean(u"NeedCheck", p.settlementNeedsInspection);
    p.routeSheetRowSpacing = row.integer(u"PrnLDhj", p.routeSheetRowSpacing);
    p.routeSheetMaxRows = row.integer(u"PrnLDhx", p.routeSheetMaxRows);
    p.routeSheetPrintMode = row.integer(u"车票宽", p.routeSheetPrintMode);
    p.lockMode = row.integer(u"条码大小", p.lockMode);
    p.saleStopMinutes = row.integer(u"停止售票", p.saleStopMinutes);
    p.insuranceFee = row.money(u"加收费用", p.insuranceFee);
    p.deductionPerTicket = row.money(u"扣减费用", p.deductionPerTicket);
    p.departureStationName = row.text(u"车票条码类型", p.departureStationName);
    p.printDepartureStation = row.boolean(u"PrnSelf", p.printDepartureStation);
    p.manualCheckPassword = row.text(u"手工检票密码", p.manualCheckPassword);
    p.RefundPercent = 100;
    return p;
}
