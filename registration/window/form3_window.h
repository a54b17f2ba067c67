#pragma once

#include "registration/registration_types.h"

#include <QWidget>
#include <array>
#include <memory>

class Form3;
class QCheckBox;
class QGroupBox;
class QLabel;
class QtDialogs;
class SkinnedButtonRow;

// The registration window Form3 on screen: the six frames of types (the
// Flash frame hidden), a check box and an extension label per type (a
// click on the label toggles its box) and the four skinned buttons. It is
// a window of its own, without owner, so it stays usable while the main
// window is disabled; its fixed size is the normal 6060 x 4125 twips.
// Closing it unloads the model.
class Form3Window : public QWidget {
    Q_OBJECT
public:
    Form3Window(Form3& model, const QString& programDir);
    ~Form3Window() override;

    // The client size in twips within the window's normal size.
    static constexpr double kClientWidth = 5940;
    static constexpr double kClientHeight = 3810;

    QCheckBox* checkBox(int i) const { return Check1_.at(i); }
    QLabel* label(int i) const { return Label1_.at(i); }
    QGroupBox* frame(int group) const { return Frame1_.at(group); }

    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createFrames();
    void createTypes();
    void createButtons(const QString& programDir);

    Form3& model_;
    std::array<QGroupBox*, RegistrationTypes::kGroupCount> Frame1_{};
    std::array<QCheckBox*, RegistrationTypes::kCount> Check1_{};
    std::array<QLabel*, RegistrationTypes::kCount> Label1_{};
    SkinnedButtonRow* buttonRow_ = nullptr;
    std::unique_ptr<QtDialogs> dialogs_;
};
