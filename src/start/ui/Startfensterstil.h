#pragma once

// The start window's look, sized for a finger on a 1024 x 768 touch screen.
inline const char* const kStartfensterStil = R"(
    QWidget { font-size: 12pt; }
    QGroupBox { font-weight: bold; border: 1px solid #a0a0a0; border-radius: 6px; margin-top: 14px;
                padding: 10px 6px 4px 6px; }
    QGroupBox::title { subcontrol-origin: margin; left: 12px; padding: 0 4px; }
    QGroupBox > QWidget { font-weight: normal; }
    QPushButton { min-height: 44px; padding: 2px 18px; }
    QLineEdit, QComboBox { min-height: 38px; }
    QCheckBox { min-height: 32px; spacing: 12px; }
    QCheckBox::indicator { width: 24px; height: 24px; }
    QSlider { min-height: 44px; }
    QSlider::groove:horizontal { height: 8px; background: #b8b8b8; border-radius: 4px; }
    QSlider::sub-page:horizontal { background: #3a7bd5; border-radius: 4px; }
    QSlider::handle:horizontal { width: 30px; margin: -11px 0; background: #3a7bd5; border: 1px solid #2a5ba5;
                                 border-radius: 15px; }
    QLabel#Label2 { font-weight: bold; }
)";
