#pragma once

#include "chrome/skinned_button.h"

#include <QWidget>
#include <array>

class Form2;
class PreviewPage;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class SkinnedButtonRow;

// The print preview window Form2 on screen: the preview area on the left,
// paper, size and print controls on the right. It shows the model's state
// after every change and hands input to the model's handlers. Whoever
// makes it shows it on the model's showWindow. Its size is
// fixed; its close box only hides it, like its "关 闭" button.
class PrintPreviewWindow : public QWidget {
    Q_OBJECT
public:
    PrintPreviewWindow(Form2& model, const QString& programDir, QWidget* parent);

    // The client size in twips within the window's normal 7830 x 7005.
    static constexpr double kClientWidth = 7710;
    static constexpr double kClientHeight = 6690;

    // Shows the model's controls again.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createPaperFrame();
    void createSizeFrame();
    void createPrintedSizeFrame();
    void createButtons(const QString& programDir);
    QLabel* label(const QString& text, QWidget* parent, double left, double top, double width);
    QLineEdit* box(const QString& name, QWidget* parent, double left, double top, double width);

    Form2& model_;
    PreviewPage* page_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    std::array<QLineEdit*, 2> Text2_{};
    std::array<QRadioButton*, 2> Option1_{};
    std::array<QLineEdit*, 5> Text1_{};
    std::array<QCheckBox*, 2> Check1_{};
    std::array<QSlider*, 3> Slider1_{};
    SkinnedButtons anniu1_{{QStringLiteral("打 印(&P)"), QStringLiteral("关 闭(&F)"),
                            QStringLiteral("打印机(&D)")}};
    SkinnedButtonRow* buttonRow_ = nullptr;
    bool refreshing_ = false;
};
