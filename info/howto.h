#pragma once

#include "widgets/programwindow.h"

class QLabel;
class QPushButton;

// How to use the program, opened by a click on the main window's title or portrait.
class Howto : public ProgramWindow
{
    Q_OBJECT
public:
    Howto();
    void load() override;

    static QString instructionLines();

protected:
    void Form_Unload() override;

private slots:
    void Command1_Click();

private:
    QLabel *Label1 = nullptr;        // the instructions
    QPushButton *Command1 = nullptr; // "OK"
};
