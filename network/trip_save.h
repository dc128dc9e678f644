#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class AppServer;

// One row of the timetable (站台客车) as the trip form saves it. The counts are empty while their
// edits are empty; the save gives them their defaults.
struct TripRecord {
    QString code;               // 车次
    QString departureTime;      // 发车时间
    QString gate;               // 检票口
    std::optional<int> extraMinutes;    // 加售分钟, default 0
    QString routeCode;          // 行车线路
    QString routeName;          // 线路名称
    QString defaultBus;         // 默认客车
    QString busOfTheDay;        // 进站客车
    QString cardNumber;         // IC卡号
    QString kind;               // 类型
    bool lastBus = false;       // 末班车
    QString fareClass;          // 票价类型
    QString todayState;         // 状态, 开 or 停
    std::optional<int> firstSeat;       // 起始座号, default 1
    QString sellsToMidwayStops; // 中途, 可售 or 不售
    QString bay;                // 停靠站台
    QString driver;             // 司机
    QString attendant;          // 跟车员
    std::optional<int> routeSheetDays;  // 路单有效期, default 1
    QString runPlan;            // 运行计划
    bool cardPaused = false;    // 停刷
    QString openStopRule;       // 开停条件, default "E"
};

// Why a trip cannot be saved: the refused code "0000", a code that is not four characters of one
// of the two kinds, or a departure time that is not "HH:MM". Nothing when it can be saved.
std::optional<QString> TripSaveRefusal(QStringView code, QStringView departureTime);

// The message when a new trip's code is already in the timetable.
QString TripCodeTakenMessage(QStringView code);

// The statements of a save: the look-up of a new code, the insert of a new trip, and the update
// of every column, which fills the empty counts and rule with their defaults.
QString TripCodeLookup(QStringView code);
QString NewTripInsert(QStringView code);
QString TripUpdate(const TripRecord& trip);

// The broadcast that makes every workstation reload the timetable.
inline const QString kTimetableRefreshNotice = QStringLiteral("op_sd2allRefleshdb_stabus");

struct TripSaveResult {
    std::optional<QString> refusal;  // the message to show; nothing was written
    bool codeTaken = false;          // the code edit is to hold kRefusedTripCode
    QString refreshReply;            // the broadcast's reply, for the message dispatcher
};

// Saves a trip as the trip form does: the checks, then for a new trip the look-up of its code and
// the insert, then the update of every column and the timetable broadcast.
TripSaveResult SaveTrip(AppServer& server, const TripRecord& trip, bool isNew);
