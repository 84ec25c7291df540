#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "platform/FileDialog.h"

class QFileDialog;

namespace corvane::qt {

// The desktop's native file dialogs where its platform theme offers them,
// else Qt's own (its detail columns fitted to their texts), set up from the
// logic's requests. The folder of the last chosen file is where the next
// dialog starts. Scripted (tests, screenshots): no dialog is shown; every
// request is recorded and answered from the queues.
class QtFileDialogs final : public platform::FileDialogService {
public:
    std::optional<std::vector<std::string>> OpenFiles(const platform::OpenFileRequest& request) override;
    std::optional<std::string> SaveFile(const platform::SaveFileRequest& request) override;
    std::optional<std::string> ChooseFolder(const platform::FolderRequest& request) override;

    void SetScripted(bool scripted) { m_scripted = scripted; }
    void QueueOpen(std::vector<std::string> paths) { m_openAnswers.emplace_back(std::move(paths)); }
    void QueueOpenCancel() { m_openAnswers.emplace_back(std::nullopt); }
    void QueueSave(std::string path) { m_saveAnswers.emplace_back(std::move(path)); }
    void QueueSaveCancel() { m_saveAnswers.emplace_back(std::nullopt); }
    void QueueFolder(std::string path) { m_folderAnswers.emplace_back(std::move(path)); }
    void QueueFolderCancel() { m_folderAnswers.emplace_back(std::nullopt); }
    const std::vector<platform::OpenFileRequest>& OpenRequests() const { return m_openRequests; }
    const std::vector<platform::SaveFileRequest>& SaveRequests() const { return m_saveRequests; }
    const std::vector<platform::FolderRequest>& FolderRequests() const { return m_folderRequests; }
    // Requests that found no answer queued, and answers left over.
    QStringList Faults() const;

private:
    void Remember(const QString& chosenFile);

    bool m_scripted = false;
    QString m_lastFolder;
    std::deque<std::optional<std::vector<std::string>>> m_openAnswers;
    std::deque<std::optional<std::string>> m_saveAnswers;
    std::deque<std::optional<std::string>> m_folderAnswers;
    std::vector<platform::OpenFileRequest> m_openRequests;
    std::vector<platform::SaveFileRequest> m_saveRequests;
    std::vector<platform::FolderRequest> m_folderRequests;
    QStringList m_faults;
};

// Sets up `dialog` from a request: title, name filters (the first selected),
// file mode, default suffix, start folder and file, overwrite question.
// `startFolder` is used when the request names no folder of its own.
void ConfigureOpenDialog(QFileDialog& dialog, const platform::OpenFileRequest& request, const QString& startFolder);
void ConfigureSaveDialog(QFileDialog& dialog, const platform::SaveFileRequest& request, const QString& startFolder);

// A multiple selection that would not fit the request's selection buffer
// counts as cancelled, as it does in the Windows dialog.
bool FitsSelectionBuffer(const platform::OpenFileRequest& request, const std::vector<std::string>& paths);

}  // namespace corvane::qt
