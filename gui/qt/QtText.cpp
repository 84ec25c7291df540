#include "gui/qt/QtText.h"

#include <QFile>

#include "platform/TextCodec.h"
#include "wizard/ControlCaptions.h"

namespace corvane::qt {

QString FromText(const std::string& cp932)
{
    return QString::fromStdString(platform::SystemTextCodec().TextToUtf8(cp932));
}

std::string ToText(const QString& text)
{
    return platform::SystemTextCodec().Utf8ToText(text.toStdString());
}

QString FromPath(const std::string& osPath)
{
    return QFile::decodeName(QByteArray::fromStdString(osPath));
}

std::string ToPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromKind(platform::TextKind kind, const std::string& text)
{
    return kind == platform::TextKind::Path ? FromPath(text) : FromText(text);
}

std::string ToKind(platform::TextKind kind, const QString& text)
{
    return kind == platform::TextKind::Path ? ToPath(text) : ToText(text);
}

QString Caption(platform::ControlId id)
{
    return FromText(ControlCaption(id));
}

}  // namespace corvane::qt
