#pragma once

#include <QCborArray>
#include <QString>
#include <optional>

// The words after `\call METHOD`, split on blanks. A word in single or double quotes is a text
// (a doubled quote inside stands for one); an unquoted whole number is a number, true and false
// are flags, anything else is a text. So `\call lock 0 08-05-078003` sends 0 and a text, and a
// trip code that looks like a number is written '8003'. Nothing when a quote is not closed.
std::optional<QCborArray> parseCallArguments(QStringView words);
