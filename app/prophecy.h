#pragma once

#include "widgets/controls.h"

// The proverb picture between the title and the main window. Any key or click
// hands over to the main window; the window is only hidden, never unloaded.
class Prophecy : public LeaveOnInputWindow
{
    Q_OBJECT
public:
    Prophecy();
    void load();
    void showCentred();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void windowKeyPressed() override { Form_KeyPress(); }
    void windowClicked() override { Form_Click(); }
    void showEvent(QShowEvent *event) override;

private slots:
    void Form_Click();
    void Form_KeyPress();
    void Picture1_Click();
    void Picture1_KeyPress();

private:
    ClickLabel *Picture1 = nullptr;
};
