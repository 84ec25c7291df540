#include "gui/qt/Appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "gui/qt/AppIcon.h"

namespace corvane::qt {

namespace {

// The size of a Japanese dialog font.
constexpr int kPointSize = 9;

void InstallQtTranslations(QApplication& app, const QLocale& locale)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase", "qt"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, QString::fromLatin1(name), QStringLiteral("_"), folder))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

}  // namespace

QString JapaneseFontFamily()
{
    const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    for (const char* wanted :
         {"Noto Sans CJK JP", "Noto Sans JP", "IPAexGothic", "IPAGothic", "VL Gothic", "TakaoGothic"}) {
        const QString family = QString::fromLatin1(wanted);
        if (families.contains(family))
            return family;
    }
    return QString();
}

void SetUpAppearance(QApplication& app)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);

    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    InstallQtTranslations(app, japanese);

    // Without an explicit family, Han characters may come from a Chinese
    // face and look wrong to a Japanese reader.
    const QString family = JapaneseFontFamily();
    QFont font = QApplication::font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSize(kPointSize);
    QApplication::setFont(font);

    QApplication::setWindowIcon(AppIcon());
}

}  // namespace corvane::qt
