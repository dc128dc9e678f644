#include "printing/output_targets.h"

#include <QFile>

#include "printing/printer_system.h"
#include "shell/settings.h"

OutputTargets::OutputTargets(PrinterSystem& printers, const Settings* settings)
    : printers_(printers),
      settings_(settings),
      driverPrinters_(printers.Printers()),
      defaultPrinter_(printers.DefaultPrinter()) {
    if (defaultPrinter_.isEmpty() && !driverPrinters_.isEmpty())
        defaultPrinter_ = driverPrinters_.first();
}

const QStringList& OutputTargets::Ports() {
    static const QStringList ports{QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"),
                                   QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")};
    return ports;
}

QString OutputTargets::PortSettingKey(const QString& port) {
    return QStringLiteral("PrinterPorts/") + port.toUpper();
}

QString OutputTargets::DefaultPortDevice(const QString& port) {
    const QString name = port.toUpper();
    const QString number = QString::number(name.right(1).toInt() - 1);
    return name.startsWith(u"LPT") ? QStringLiteral("/dev/lp") + number
                                   : QStringLiteral("/dev/ttyS") + number;
}

OutputTargets::Kind OutputTargets::KindOf(const QString& target) const {
    if (driverPrinters_.contains(target))
        return Kind::Printer;
    if (Ports().contains(target, Qt::CaseInsensitive))
        return Kind::Port;
    if (target.startsWith(u'/'))
        return Kind::Path;
    return Kind::Unknown;
}

QString OutputTargets::PortDevice(const QString& port) const {
    const QString fallback = DefaultPortDevice(port);
    return settings_ ? settings_->localValue(PortSettingKey(port), fallback) : fallback;
}

QString OutputTargets::Send(const QString& target, const QByteArray& bytes, const QString& jobTitle) const {
    switch (KindOf(target)) {
        case Kind::Printer: {
            const QString failure = printers_.SubmitRawJob(target, jobTitle, bytes);
            return failure.isEmpty() ? QString()
                                     : QStringLiteral("打印机“%1”的打印作业失败：%2").arg(target, failure);
        }
        case Kind::Port:
            return writeDevice(target, PortDevice(target), bytes);
        case Kind::Path:
            return writeDevice(target, target, bytes);
        case Kind::Unknown:
            break;
    }
    return QStringLiteral("打印输出目标“%1”既不是已安装的打印机，也不是打印端口").arg(target);
}

QString OutputTargets::writeDevice(const QString& target, const QString& device,
                                   const QByteArray& bytes) const {
    QFile file(device);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return QStringLiteral("无法打开打印端口 %1（%2）：%3").arg(target, device, file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return QStringLiteral("写入打印端口 %1（%2）失败：%3").arg(target, device, file.errorString());
    }
    return {};
}
