#pragma once

#include <QWidget>

class Form2;

// The preview area of the print preview: the sheet of paper (Shape1 and
// Shape2), the stretched picture on it (Image1) and, while a button is held
// on the picture, its outline (Shape3). Places are the model's twips.
class PreviewPage : public QWidget {
    Q_OBJECT
public:
    PreviewPage(Form2& model, QWidget* parent);

    static constexpr double kWidth = 4550;
    static constexpr double kHeight = 6555; // the outline's 6435 and 60 above and below

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool onPicture(const QPointF& at) const;

    Form2& model_;
};
