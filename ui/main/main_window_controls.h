#pragma once

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace tarlen {

class GraphCanvas;
class PictureBox;

// Every control of the main window, by its name, for the handlers of all subsystems.
// The crosshair arms Line6, Line10, Line11 and Line12 live inside Picture1 (CrosshairLine).
struct MainWindowControls {
    // Command column, calibration buttons, "Kaydet" buttons and the magnifier button.
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command10 = nullptr;
    QPushButton *Command11 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command13 = nullptr;
    QPushButton *Command14 = nullptr;
    QPushButton *Command15 = nullptr;
    QPushButton *Command18 = nullptr;

    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr;

    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;

    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;

    // Option1..3 choose the pointer style, Option4..6 the x pattern, Option7..9 the y pattern.
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QRadioButton *Option6 = nullptr;
    QRadioButton *Option7 = nullptr;
    QRadioButton *Option8 = nullptr;
    QRadioButton *Option9 = nullptr;

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;

    QScrollBar *VScroll1 = nullptr;

    GraphCanvas *Picture1 = nullptr;
    PictureBox *Picture2 = nullptr; // symbol strip
    PictureBox *Picture3 = nullptr; // line thickness
    PictureBox *Picture4 = nullptr; // colour palette
    PictureBox *Picture5 = nullptr; // current symbol

    QFrame *Line1 = nullptr;
    QTimer *Timer1 = nullptr;
};

} // namespace tarlen
