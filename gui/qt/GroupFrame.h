#pragma once

#include <QGroupBox>

namespace corvane::qt {

// A group box that greys out the way a dialog's frame does: disabling it
// greys its caption and frame only, never the controls inside it.
class GroupFrame final : public QGroupBox {
public:
    explicit GroupFrame(const QString& title, QWidget* parent = nullptr) : QGroupBox(title, parent) {}

    void SetFrameEnabled(bool enabled);
    bool IsFrameEnabled() const { return m_enabled; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_enabled = true;
};

}  // namespace corvane::qt
