#pragma once

#include "widgets/programwindow.h"

class QLabel;
class QPushButton;

// The citation window, the first step of quitting: the copyright notice, how to
// cite the program and where to get it. "OK" goes on to the dedication; the close
// box cancels the quitting.
class copyrigh : public ProgramWindow
{
    Q_OBJECT
public:
    copyrigh();
    void load() override;

    static QString noticeText(int year);
    static QString citationText(int year);
    static QString downloadText();

protected:
    void Form_Unload() override;

private slots:
    void Command1_Click();

private:
    QLabel *Label5 = nullptr;        // the copyright notice
    QLabel *Label7 = nullptr;        // the citation request
    QLabel *Label6 = nullptr;        // where to get a newer version
    QLabel *Picture1 = nullptr;      // portrait
    QPushButton *Command1 = nullptr; // "OK"
};
