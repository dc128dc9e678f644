#include "printing/song_font.h"

#include <QFontInfo>
#include <QStringList>
#include <algorithm>

namespace {

const QString kSongFace = QStringLiteral("AR PL UMing CN");
const QString kFallbackFace = QStringLiteral("WenQuanYi Zen Hei");

bool isSongName(const QString& fontName) {
    return fontName.isEmpty() || fontName == u"宋体" ||
           fontName.compare(u"SimSun", Qt::CaseInsensitive) == 0 || fontName == u"新宋体" ||
           fontName.compare(u"NSimSun", Qt::CaseInsensitive) == 0;
}

}  // namespace

void InstallSongFaceMapping() {
    const QStringList faces{kSongFace, kFallbackFace};
    for (const QString& name : {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("新宋体"),
                                QStringLiteral("NSimSun")}) {
        if (QFont::substitutes(name) != faces) {
            QFont::removeSubstitutions(name);
            QFont::insertSubstitutions(name, faces);
        }
    }
    if (QFont::substitutes(kSongFace).isEmpty())
        QFont::insertSubstitution(kSongFace, kFallbackFace);
}

QString PrintFamily(const QString& fontName) {
    return isSongName(fontName) ? kSongFace : fontName;
}

QFont PrintFont(const QString& fontName, int pixelSize, bool bold, bool italic, bool underline) {
    InstallSongFaceMapping();
    QFont font(PrintFamily(fontName));
    font.setFamilies({PrintFamily(fontName), kFallbackFace});
    font.setPixelSize(std::max(pixelSize, 1));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QString ResolvedFamily(const QFont& font) {
    return QFontInfo(font).family();
}
