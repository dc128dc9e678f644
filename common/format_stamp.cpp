#include "common/format_stamp.h"

#include <algorithm>

namespace {

QString two(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

}  // namespace

QString FormatStamp(int code, const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    const QString yyyy = QString::number(d.year());
    const QString yy = yyyy.mid(2, 2);
    const QString mm = two(d.month());
    const QString dd = two(d.day());
    const QString hh = two(t.hour());
    const QString nn = two(t.minute());
    const QString ss = two(t.second());
    const QString chineseDate = yyyy + QStringLiteral("年") + mm + QStringLiteral("月") + dd + QStringLiteral("日");
    switch (code) {
        case 1: return yyyy;
        case 2: return mm;
        case 3: return dd;
        case 4: return yyyy + mm;
        case 5: return yyyy + mm + dd;
        case 7: return mm + dd;
        case 15: return chineseDate;
        case 16: return yyyy + QStringLiteral("   ") + mm + QStringLiteral("   ") + dd;
        case 24: return yyyy + u'-' + mm;
        case 25: return yyyy + u'-' + mm + u'-' + dd;
        case 26: return yy + u'-' + mm + u'-' + dd;
        case 41: return hh;
        case 44: return hh + u':' + nn;
        case 45: return hh + u':' + nn + u'.' + ss;
        case 47: return yyyy + u'-' + mm + u'-' + dd + u',' + hh + u':' + nn;
        case 49: return yyyy + u'-' + mm + u'-' + dd + u' ' + hh + u':' + nn + u'.' + ss;
        case 50: return mm + u'-' + dd + u' ' + hh + u':' + nn + u'.' + ss;
        case 51: return yyyy + u'-' + mm + u'-' + dd + u' ' + hh + u':' + nn;
        case 95: return chineseDate + QStringLiteral("  ") + hh + u':' + nn + u'.' + ss;
        case 96: return chineseDate + hh + QStringLiteral("时") + nn + QStringLiteral("分");
        case 99: return mm + u'-' + dd + u',' + hh + u':' + nn + u'.' + ss;
        default: return {};
    }
}

QString ShiftTime(const QString& clockTime, int minutes) {
    const QString time = clockTime.isEmpty() ? QStringLiteral("05:00") : clockTime;
    const int shift = std::clamp(minutes, -60, 60);
    const QString hourText = time.left(2);
    int hour = hourText.toInt();
    int minute = time.mid(3, 2).toInt() - shift;
    if (minute >= 0 && minute < 60) {
        // No carry into the hour: the hour is kept exactly as it was written.
        return hourText + u':' + two(minute);
    }
    if (minute < 0) {
        minute += 60;
        hour = (hour + 23) % 24;
    } else {
        minute -= 60;
        hour = (hour + 1) % 24;
    }
    return two(hour) + u':' + two(minute);
}

QString ZeroPad(qint64 value, int width) {
    const int w = std::clamp(width, 0, 17);
    const quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    const QString digits = QStringLiteral("00000000000000000") + QString::number(magnitude);
    if (value < 0) {
        return w == 0 ? QString() : u'-' + digits.right(w - 1);
    }
    return digits.right(w);
}

QString SpacePad(qint64 value, int width) {
    const int w = std::max(width, 0);
    return QString::number(value).leftJustified(w, u' ', true);
}
