#pragma once

#include "widgets/programwindow.h"

class QLabel;
class QPushButton;

// The quiz: a sheet of three questions on harvest theory.
class Quiz : public ProgramWindow
{
    Q_OBJECT
public:
    Quiz();
    void load() override;

protected:
    void Form_Unload() override;

private slots:
    void Command1_Click();

private:
    QLabel *Image1 = nullptr;        // the question sheet
    QPushButton *Command1 = nullptr; // "Back to the mainform"
};
