#pragma once

#include <QLabel>

namespace vq {

// A label whose wrapped plain text is set with a line height of its own: the introduction has to
// fit its small box in fonts whose own line spacing is generous. It stays a QLabel to everything
// else (text, accessibility, mouse).
class TightLabel : public QLabel {
    Q_OBJECT
public:
    TightLabel(int lineHeight, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_lineHeight;
};

}  // namespace vq
