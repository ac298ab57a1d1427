#pragma once

#include "widgets/programwindow.h"

class QGroupBox;
class QLabel;
class QPushButton;

// The dedication, the last window of the program: its button ends the program.
class Vater : public ProgramWindow
{
    Q_OBJECT
public:
    Vater();
    void load() override;

protected:
    // Nothing is left to return to: closing the window ends the program as well.
    void Form_Unload() override;

private slots:
    void Command1_Click();

private:
    QGroupBox *Frame1 = nullptr;
    QLabel *Picture2 = nullptr;      // the memorial picture
    QPushButton *Command1 = nullptr; // "God rest his soul"
};
