#pragma once

#include "widgets/controls.h"

#include <array>

class QPushButton;

// The literature on harvest and population growth, in order of publication year,
// opened from the introduction.
class Referenc : public ProgramWindow
{
    Q_OBJECT
public:
    Referenc();
    void load() override;

protected:
    void Form_Unload() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void Command1_Click();
    void Label1_Click(int index);
    void Form_Click();

private:
    // Element 0 is the heading; the entries are, in order of year, elements 2, 1,
    // 3, 4, 5, 6 and the separate Label2.
    std::array<ClickLabel *, 7> Label1{};
    ClickLabel *Label2 = nullptr;
    QPushButton *Command1 = nullptr; // "OK"
    ClickDetector m_click;
};
