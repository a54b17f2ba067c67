#pragma once

#include <QLabel>
#include <QList>

class LabelMenuBar;

// The label menu bar on screen: seven labels over the skin and the
// highlight rectangle behind them, kept in step with a LabelMenuBar.
class LabelBarView : public QObject {
    Q_OBJECT
public:
    LabelBarView(LabelMenuBar& bar, QWidget* window);

    // Places the labels and the highlight from their twips.
    void place();
    QLabel* label(int index) const { return labels_.value(index); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHighlight();

    LabelMenuBar& bar_;
    QWidget* shape_;
    QList<QLabel*> labels_;
};
