#include "printing/page_item.h"

#include <QStringList>

#include "printing/print_at_once.h"

namespace {

struct Grammar {
    const char* command;
    PageItem::Kind kind;
    int numbers;
    bool hasText;
};

constexpr Grammar kGrammar[] = {
    {"STR", PageItem::Kind::Text, 4, true},      {"S90", PageItem::Kind::TurnedDown, 4, true},
    {"S90F", PageItem::Kind::TurnedUp, 4, true}, {"BAR", PageItem::Kind::Barcode, 5, true},
    {"BOX", PageItem::Kind::Box, 4, false},      {"ELL", PageItem::Kind::Ellipse, 4, false},
};

// Splits off the first `count` blank-separated words; the rest of the text, after one blank,
// is returned untouched so that texts may hold blanks.
QStringList leadingWords(const QString& spec, int count, QString& rest) {
    QStringList words;
    qsizetype at = 0;
    while (words.size() < count) {
        while (at < spec.size() && spec.at(at).isSpace())
            ++at;
        if (at >= spec.size())
            break;
        const qsizetype start = at;
        while (at < spec.size() && !spec.at(at).isSpace())
            ++at;
        words << spec.mid(start, at - start);
    }
    rest = at < spec.size() ? spec.mid(at + 1) : QString();
    return words;
}

}  // namespace

std::optional<PageItem> ParsePageItem(const QString& spec, QString& error) {
    QString rest;
    const QString command = leadingWords(spec, 1, rest).value(0).toUpper();
    const Grammar* grammar = nullptr;
    for (const Grammar& g : kGrammar) {
        if (command == QLatin1String(g.command))
            grammar = &g;
    }
    if (!grammar) {
        error = QStringLiteral("item \"%1\": the kind must be STR, S90, S90F, BAR, BOX or ELL").arg(spec);
        return std::nullopt;
    }
    QString text;
    const QStringList words = leadingWords(rest, grammar->numbers, text);
    if (words.size() < grammar->numbers || (grammar->hasText && text.isEmpty()) ||
        (!grammar->hasText && !text.trimmed().isEmpty())) {
        error = QStringLiteral("item \"%1\": %2 takes %3 numbers%4")
                    .arg(spec, command)
                    .arg(grammar->numbers)
                    .arg(grammar->hasText ? QStringLiteral(" and a text") : QString());
        return std::nullopt;
    }
    int numbers[5] = {};
    for (int i = 0; i < grammar->numbers; ++i) {
        bool ok = false;
        numbers[i] = words.at(i).toInt(&ok);
        if (!ok) {
            error = QStringLiteral("item \"%1\": \"%2\" is not a whole number").arg(spec, words.at(i));
            return std::nullopt;
        }
    }
    PageItem item{grammar->kind, numbers[0], numbers[1], numbers[2], numbers[3], 1, text};
    if (item.kind == PageItem::Kind::Barcode) {
        item.symbology = numbers[4];
        if (item.symbology < 1 || item.symbology > 7) {
            error = QStringLiteral("item \"%1\": the bar-code type must be 1 to 7").arg(spec);
            return std::nullopt;
        }
    }
    return item;
}

void DrawPageItem(TPrintAtOnce& engine, const PageItem& item, QRgb colour) {
    const QString font = engine.FontName();
    switch (item.kind) {
        case PageItem::Kind::Text:
            engine.DrawText(item.x, item.y, colour, font, item.text, item.second, item.first);
            return;
        case PageItem::Kind::TurnedDown:
            engine.DrawRotatedText(item.x, item.y, colour, font, item.text, item.second, item.first, 90);
            return;
        case PageItem::Kind::TurnedUp:
            engine.DrawRotatedText(item.x, item.y, colour, font, item.text, item.second, item.first, -90);
            return;
        case PageItem::Kind::Barcode:
            engine.setBarId(item.symbology);
            engine.DrawBarcode(item.x, item.y, item.second, item.first, colour, item.text);
            return;
        case PageItem::Kind::Box:
            engine.DrawBox(item.x, item.y, item.first, item.second, colour);
            return;
        case PageItem::Kind::Ellipse:
            engine.DrawEllipse(item.x, item.y, item.first, item.second, colour);
            return;
    }
}
