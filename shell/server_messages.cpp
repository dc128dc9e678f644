#include "shell/server_messages.h"

#include <QLocale>
#include <QRegularExpression>

#include "common/format_stamp.h"
#include "shell/notice.h"
#include "shell/session.h"

namespace {

constexpr int kOnlinePanel = 2;
constexpr int kRelayDownLimit = 60;
const QString kQuit = QStringLiteral("请你退出!");
const QString kShutDown = QStringLiteral("请你关机!");

}  // namespace

ServerMessages::ServerMessages(Session& session, WorkstationActions& actions) : session_(session), actions_(actions) {}

void ServerMessages::RouteServerReply(const QString& reply) {
    if (reply.isEmpty()) return;
    if (reply == u"Star_Hzing") {
        actions_.showSummaryNotice();
    } else if (reply == u"HzIsFinish") {
        actions_.closeSummaryNotice();
    } else if (reply == u"NeedReLogin") {
        actions_.registerWithServer();
        actions_.notify(kNoticeWarning,
                        QStringLiteral("网络意外断线了，系统自动重试连接！如反复提示，则重连不成功。"));
    } else if (reply == u"ConSrvNowOff") {
        relayDown();
    } else if (reply == u"ExeMode1" || reply == u"ExeMode0") {
        session_.SingleStepMode = reply == u"ExeMode1";
        actions_.refreshStatusBar();
    } else {
        try {
            HandleServerCommand(reply);
        } catch (...) {
            // A command that cannot be carried out is dropped; the poll goes on.
        }
    }
}

void ServerMessages::HandleServerCommand(const QString& text) {
    const QString word = text.left(9);
    const QString argument = text.mid(9);
    if (word == u"op_Settim") {
        QDateTime moment = QLocale::system().toDateTime(argument, QLocale::ShortFormat);
        if (!moment.isValid()) moment = QDateTime::fromString(argument, Qt::ISODateWithMs);
        if (moment.isValid()) actions_.setClock(moment);
    } else if (word == u"op_LockOK") {
        session_.LockGranted = true;
    } else if (word == u"op_allref") {
        actions_.refreshDataset(argument);
    } else if (word == u"op_addcom") {
        onlineListArrived(argument);
    } else if (word == u"op_sd2hos") {
        if (argument == kQuit) {
            actions_.closeMainWindow();
        } else if (argument == kShutDown) {
            actions_.shutDownComputer();
        } else {
            actions_.appendMessageLine(argument);
        }
    } else if (text == kQuit) {
        if (!session_.isOwnEcho(text)) actions_.endProgram();
    } else if (text == u"IsServerd") {
        actions_.abortMessage(QStringLiteral("当前不是使用\"") + session_.ServerHost +
                              QStringLiteral("\"服务器！\n此服务器仅作数据备件份。\n\n请重新运行本软件，并确认当前在用的服务器。"));
        actions_.endProgram();
    } else if (text == kShutDown) {
        if (!session_.isOwnEcho(text)) {
            actions_.disarmExitQuestion();
            actions_.shutDownComputer();
        }
    } else if (word == u"Refleshdb") {
        if (!session_.isOwnEcho(text)) masterDataRefresh(argument);
    } else {
        actions_.appendMessageLine(text);
    }
}

void ServerMessages::onlineListArrived(const QString& lines) {
    session_.ConsoleOffCount = 0;
    const qsizetype before = actions_.onlineList().size();
    QStringList entries = lines.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    while (!entries.isEmpty() && entries.last().isEmpty()) entries.removeLast();
    actions_.setOnlineList(entries);
    if (entries.size() > before && !entries.isEmpty()) {
        actions_.notify(kNoticeInfoPlain, QStringLiteral("欢迎\r\r ") + FormatStamp(95, QDateTime::currentDateTime()) +
                                              u'\r' + entries.last() + QStringLiteral("  登陆了!"));
    }
    actions_.refreshStatusBar();
}

void ServerMessages::relayDown() {
    const int count = ++session_.ConsoleOffCount;
    if (count > kRelayDownLimit) {
        actions_.endProgram();
        return;
    }
    actions_.showStatusText(kOnlinePanel, QStringLiteral("失去控制台"));
    if (count % 8 != 1) return;
    const QStringList online = actions_.onlineList();
    if (online.size() > 1) {
        const QString responsible = online.at(1) == u"〖LED播音员〗" ? online.last() : online.at(1);
        if (!session_.OperatorName.isEmpty() && responsible.contains(session_.OperatorName)) actions_.runConsoleRelay();
    }
    actions_.notify(kNoticeError, QStringLiteral("第") + QString::number(count / 8 + 1) + QStringLiteral("次警告！") +
                                      QStringLiteral("\r\n\r\n服务器控制台已被关闭！\r\n客户端数据将受影响！\r\n\r\n"
                                                     "系统将自动重启动控制台，如仍然提示，请通知管理员到服务器主机处查看原因。"));
}

QString ServerMessages::shownNameOfTag(const QString& tag) {
    static const QList<std::pair<QString, QString>> names = {
        {QStringLiteral("_Systempara"), QStringLiteral("_系统参数信息库")},
        {QStringLiteral("_stabus"), QStringLiteral("_班次开停(报班)信息库")},
        {QStringLiteral("_tkPrices"), QStringLiteral("_各站点及票价信息库")},
        {QStringLiteral("_roads"), QStringLiteral("_行车线路(沿途可售站点)信息库")},
        {QStringLiteral("_station"), QStringLiteral("_检票口信息库")},
        {QStringLiteral("_Busdb"), QStringLiteral("_客车信息库")},
    };
    for (const auto& [known, shown] : names) {
        if (known == tag) return shown;
    }
    return {};
}

void ServerMessages::masterDataRefresh(const QString& tag) {
    if (shownNameOfTag(tag).isEmpty()) return;
    if (actions_.reloadMasterTable(tag)) {
        actions_.notify(kNoticeInfoPlain, QStringLiteral("刷新数据完成") + shownNameOfTag(tag));
    }
}
