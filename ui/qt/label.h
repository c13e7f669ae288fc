#pragma once
// A label that draws its caption as plain text, exactly as it stands ("&" included: a label takes
// no access key), breaks it into lines at blanks only inside its rectangle, and reports a click.
// In a layout (the flow) it is as high as its lines. Private to the Qt backend.

#include <QLabel>

namespace ui::qt {

class Label final : public QLabel {
    Q_OBJECT

public:
    Label(const QString& caption, QWidget* parent);

    // Where nothing may be cut off (the flow), a word wider than the label breaks where it
    // reaches the edge instead of being cut off there.
    void setBreakingWords(bool breaking);

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The caption with a line break wherever it wraps in this width.
    QString brokenIntoLines(int width) const;
    QString brokenInsideWords(const QString& lines, int width) const;

    bool pressed_ = false;
    bool breakingWords_ = false;
    // The last caption broken into lines, and for which caption and width: repaints are many.
    QString lines_;
    QString linesOf_;
    int linesWidth_ = -1;
};

}  // namespace ui::qt
