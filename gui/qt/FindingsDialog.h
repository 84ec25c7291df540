#pragma once

#include <QDialog>
#include <functional>

#include "platform/MessageBox.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace corvane::qt {

// The findings box: the question on top, every finding below it in a
// read-only text area that scrolls, can be selected from and grows with the
// window. It opens tall enough for kShownLines lines of details, within the
// screen's work area. いいえ is the default; Escape and the close box answer
// いいえ. 一覧をコピー puts the details whole on the clipboard.
class FindingsDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kShownLines = 15;

    FindingsDialog(const QString& caption, const QString& question, const QString& details,
                   std::function<void()> showChecklist, QWidget* parent = nullptr);

    platform::Answer Answer() const { return result() == Accepted ? platform::Answer::Yes : platform::Answer::No; }

    QPlainTextEdit* Details() const { return m_details; }
    QLabel* Question() const { return m_question; }
    QPushButton* YesButton() const { return m_yes; }
    QPushButton* NoButton() const { return m_no; }
    QPushButton* CopyButton() const { return m_copy; }
    // nullptr when the box has no check list to show.
    QPushButton* ChecklistButton() const { return m_checklist; }
    // Lines of the details that the text area shows at its present height.
    int VisibleDetailLines() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Copy();
    void FitToScreen();
    int DetailsFrame() const;

    QLabel* m_question = nullptr;
    QPlainTextEdit* m_details = nullptr;
    QLabel* m_copied = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_checklist = nullptr;
    std::function<void()> m_showChecklist;
    bool m_grown = false;
};

}  // namespace corvane::qt
