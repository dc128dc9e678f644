#include "appserver/providers.h"

#include <QHash>
#include <QSet>

namespace providers {

namespace {

QString key(const QString& provider) {
    return provider.toLower();
}

}  // namespace

bool runsCommandText(const QString& provider) {
    static const QSet<QString> names{QStringLiteral("querypv"), QStringLiteral("query0pv"),
                                     QStringLiteral("query3pv"), QStringLiteral("workmonypv"),
                                     QStringLiteral("bustimepv")};
    return names.contains(key(provider));
}

std::optional<FixedProvider> fixedProvider(const QString& provider) {
    static const QHash<QString, FixedProvider> tables{
        {QStringLiteral("operpv"), {QStringLiteral("操作员"), {}}},
        {QStringLiteral("deppv"), {QStringLiteral("部门信息"), {}}},
        {QStringLiteral("oprigthpv"), {QStringLiteral("操作权限"), {}}},
        {QStringLiteral("buspv"), {QStringLiteral("客车"), QStringLiteral("客车编号")}},
        {QStringLiteral("roadspv"), {QStringLiteral("行车线路表"), {}}},
        {QStringLiteral("stationpv"), {QStringLiteral("站台"), {}}},
        {QStringLiteral("stabuspv"), {QStringLiteral("站台客车"), {}}},
        {QStringLiteral("tickpricepv"), {QStringLiteral("票价表"), {}}},
        {QStringLiteral("saledtickspv"), {QStringLiteral("已售车票"), {}}},
        {QStringLiteral("systemdatapv"), {QStringLiteral("系统参数表"), {}}},
        {QStringLiteral("costuserpv"), {QStringLiteral("应交费用表"), {}}},
    };
    const auto found = tables.constFind(key(provider));
    if (found == tables.constEnd())
        return std::nullopt;
    return *found;
}

}  // namespace providers
