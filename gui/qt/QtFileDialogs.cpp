#include "gui/qt/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>

#include "gui/qt/NameFilters.h"
#include "gui/qt/QtText.h"
#include "wizard/FileFilters.h"

namespace corvane::qt {

namespace {

// Room for the name, size, type and date columns of Qt's dialog.
constexpr QSize kDialogSize(820, 500);
constexpr int kSidebarWidth = 140;

// Qt's type texts, except for folders, whose "Folder" has no translation.
class FileTypes final : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override
    {
        return info.isDir() ? FromText(FolderTypeName()) : QFileIconProvider::type(info);
    }
};

// Qt's own dialog (where the desktop offers none): the size, type and date
// columns as wide as their texts, the name taking the rest, and the side bar
// wide enough for its places. A native dialog has none of these widgets.
void FitDetailColumns(QFileDialog& dialog)
{
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < 4; ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (auto* sidebar = dialog.findChild<QWidget*>(QStringLiteral("sidebar")))
        sidebar->setMinimumWidth(kSidebarWidth);
    static FileTypes types;
    dialog.setIconProvider(&types);
}

void ConfigureCommon(QFileDialog& dialog, const std::string& title, const std::string& filter,
                     const std::string& defaultExtension, const std::string& initialFileName,
                     const QString& startFolder)
{
    dialog.resize(kDialogSize);
    FitDetailColumns(dialog);
    dialog.setWindowTitle(FromText(title));
    const QStringList filters = NameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.front());
    }
    dialog.setDefaultSuffix(FromText(defaultExtension));

    const QString initial = FromPath(initialFileName);
    const QFileInfo info(initial);
    if (!initial.isEmpty() && info.isAbsolute()) {
        dialog.setDirectory(info.absolutePath());
    } else if (!startFolder.isEmpty()) {
        dialog.setDirectory(startFolder);
    }
    if (!initial.isEmpty())
        dialog.selectFile(info.fileName());
}

// The next scripted answer; none for a cancel, and for a request that found
// no answer queued (a fault of the script).
template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers, QStringList& faults, const QString& dialog,
                            const std::string& title)
{
    if (answers.empty()) {
        faults << QStringLiteral("no answer queued for the %1 dialog: ").arg(dialog) + FromText(title);
        return std::nullopt;
    }
    std::optional<T> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace

void ConfigureOpenDialog(QFileDialog& dialog, const platform::OpenFileRequest& request, const QString& startFolder)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (request.multiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    ConfigureCommon(dialog, request.title, request.filter, request.defaultExtension, request.initialFileName,
                    startFolder);
    dialog.setSizeGripEnabled(request.resizable);
}

void ConfigureSaveDialog(QFileDialog& dialog, const platform::SaveFileRequest& request, const QString& startFolder)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    ConfigureCommon(dialog, request.title, request.filter, request.defaultExtension, request.initialFileName,
                    startFolder);
}

bool FitsSelectionBuffer(const platform::OpenFileRequest& request, const std::vector<std::string>& paths)
{
    return request.selectionBufferBytes == 0 || platform::SelectionBufferBytes(paths) <= request.selectionBufferBytes;
}

std::optional<std::vector<std::string>> QtFileDialogs::OpenFiles(const platform::OpenFileRequest& request)
{
    m_openRequests.push_back(request);
    std::vector<std::string> paths;
    if (m_scripted) {
        auto answer = NextAnswer(m_openAnswers, m_faults, QStringLiteral("open"), request.title);
        if (!answer)
            return std::nullopt;
        paths = std::move(*answer);
    } else {
        QFileDialog dialog(QApplication::activeModalWidget());
        ConfigureOpenDialog(dialog, request, m_lastFolder);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        for (const QString& file : dialog.selectedFiles())
            paths.push_back(ToPath(file));
    }
    if (paths.empty() || !FitsSelectionBuffer(request, paths))
        return std::nullopt;
    if (!request.multiSelect)
        paths.resize(1);
    Remember(FromPath(paths.front()));
    return paths;
}

std::optional<std::string> QtFileDialogs::SaveFile(const platform::SaveFileRequest& request)
{
    m_saveRequests.push_back(request);
    std::string path;
    if (m_scripted) {
        auto answer = NextAnswer(m_saveAnswers, m_faults, QStringLiteral("save"), request.title);
        if (!answer)
            return std::nullopt;
        path = std::move(*answer);
    } else {
        QFileDialog dialog(QApplication::activeModalWidget());
        ConfigureSaveDialog(dialog, request, m_lastFolder);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        path = ToPath(dialog.selectedFiles().front());
    }
    Remember(FromPath(path));
    return path;
}

std::optional<std::string> QtFileDialogs::ChooseFolder(const platform::FolderRequest& request)
{
    m_folderRequests.push_back(request);
    std::string path;
    if (m_scripted) {
        auto answer = NextAnswer(m_folderAnswers, m_faults, QStringLiteral("folder"), request.title);
        if (!answer)
            return std::nullopt;
        path = std::move(*answer);
    } else {
        const QString start = request.initialFolder.empty() ? m_lastFolder : FromPath(request.initialFolder);
        const QString chosen =
            QFileDialog::getExistingDirectory(QApplication::activeModalWidget(), FromText(request.title), start);
        if (chosen.isEmpty())
            return std::nullopt;
        path = ToPath(chosen);
    }
    // The next file dialog starts inside the chosen folder.
    m_lastFolder = FromPath(path);
    return path;
}

void QtFileDialogs::Remember(const QString& chosenFile)
{
    const QFileInfo info(chosenFile);
    if (info.isAbsolute())
        m_lastFolder = info.absolutePath();
}

QStringList QtFileDialogs::Faults() const
{
    QStringList faults = m_faults;
    const std::size_t unused = m_openAnswers.size() + m_saveAnswers.size() + m_folderAnswers.size();
    if (unused != 0)
        faults << QStringLiteral("%1 file dialog answers left unused").arg(unused);
    return faults;
}

}  // namespace corvane::qt
