#include "common/ticket_barcode.h"

#include "common/format_stamp.h"

namespace {

const QString kHighGroups = QStringLiteral("+-/%$");  // group values 27 to 31
constexpr int kTicketNoLength = 12;
constexpr int kBarcodeLength = 9;

bool allDigits(QStringView text) {
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

ConvertedText refused(const QString& why) { return {QString(), why}; }

}  // namespace

ConvertedText BarcodeFromTicketNo(const QString& ticketNo) {
    if (ticketNo.size() != kTicketNoLength || !allDigits(ticketNo)) {
        return refused(QStringLiteral("票号必须是12位数字：%1").arg(ticketNo));
    }
    QString code;
    for (int group = 0; group < 3; ++group) {
        const int value = ticketNo.mid(group * 2, 2).toInt();
        if (value > 31) {
            return refused(QStringLiteral("票号第%1组数值%2超过31，无法编为条码：%3")
                               .arg(group + 1)
                               .arg(value)
                               .arg(ticketNo));
        }
        code += value <= 26 ? QChar(64 + value) : kHighGroups.at(value - 27);
    }
    return {code + ticketNo.mid(6), QString()};
}

ConvertedText TicketNoFromBarcode(const QString& barcode) {
    if (barcode.size() != kBarcodeLength) {
        return refused(QStringLiteral("条码必须是9个字符：%1").arg(barcode));
    }
    if (!allDigits(QStringView(barcode).mid(3))) {
        return refused(QStringLiteral("条码第4到9位必须是数字：%1").arg(barcode));
    }
    QString number;
    for (int i = 0; i < 3; ++i) {
        const QChar c = barcode.at(i).toUpper();  // a keyboard-wedge scanner may send lower case
        const qsizetype high = kHighGroups.indexOf(c);
        int value = -1;
        if (high >= 0) {
            value = 27 + static_cast<int>(high);
        } else if (c >= u'@' && c <= u'Z') {
            value = c.unicode() - 64;
        } else {
            return refused(QStringLiteral("条码第%1位字符无效：%2").arg(i + 1).arg(barcode));
        }
        number += ZeroPad(value, 2);
    }
    return {number + barcode.mid(3), QString()};
}
