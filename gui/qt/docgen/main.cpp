// corvane-docgen: what the build makes from the sources in docs/ and the
// program's own drawing, so that no other toolchain is needed.
//   corvane-docgen guide SOURCE.md OUT.PDF   an operation guide as a PDF
//   corvane-docgen icon SIZE OUT.png         the application icon
#include <QApplication>
#include <iostream>

#include "gui/qt/AppIcon.h"
#include "gui/qt/Appearance.h"
#include "gui/qt/docgen/Guide.h"

namespace {

int Usage()
{
    std::cerr << "usage: corvane-docgen guide SOURCE.md OUT.PDF\n"
                 "       corvane-docgen icon SIZE OUT.png\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    corvane::qt::SetUpAppearance(app);
    const QStringList args = QApplication::arguments();
    if (args.size() != 4)
        return Usage();

    if (args[1] == QLatin1String("icon")) {
        bool ok = false;
        const int size = args[2].toInt(&ok);
        if (!ok || size < 16 || size > 1024)
            return Usage();
        if (!corvane::qt::AppIconPixmap(size).save(args[3], "PNG")) {
            std::cerr << "corvane-docgen: cannot write " << args[3].toStdString() << '\n';
            return 1;
        }
        return 0;
    }
    if (args[1] != QLatin1String("guide"))
        return Usage();

    if (corvane::qt::JapaneseFontFamily().isEmpty()) {
        std::cerr << "corvane-docgen: no Japanese font installed (fonts-noto-cjk)\n";
        return 1;
    }
    const QString error = corvane::qt::WriteGuidePdf(args[2], args[3]);
    if (!error.isEmpty()) {
        std::cerr << "corvane-docgen: " << error.toStdString() << '\n';
        return 1;
    }
    return 0;
}
