/* The Daybloom skin: a Qt style sheet, found by the program as x/o.cjs beside it. */

QPushButton {
    color: #ffffff;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #3a8f85, stop: 1 #2a6f67);
    border: 1px solid #225c55;
    border-radius: 5px;
    padding: 2px 12px;
}
QPushButton:hover {
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #45a397, stop: 1 #307d74);
}
QPushButton:pressed {
    background-color: #24625b;
}
QPushButton:focus {
    border: 1px solid #e4576e;
}
QPushButton:disabled {
    color: #d5dedd;
    background-color: #8fb3ae;
    border-color: #7fa39e;
}

QGroupBox {
    border: 1px solid #b9c2c8;
    border-radius: 5px;
    margin-top: 9px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 10px;
    padding: 0 4px;
    color: #2a6f67;
}

QScrollBar:vertical {
    background: #eef1f3;
    width: 16px;
    margin: 16px 0 16px 0;
    border: none;
}
QScrollBar::handle:vertical {
    background: #9fb2b0;
    border-radius: 4px;
    min-height: 24px;
    margin: 1px 3px;
}
QScrollBar::handle:vertical:hover {
    background: #3a8f85;
}
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {
    background: #dde3e6;
    height: 16px;
    subcontrol-origin: margin;
}
QScrollBar::sub-line:vertical {
    subcontrol-position: top;
}
QScrollBar::add-line:vertical {
    subcontrol-position: bottom;
}
QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical {
    width: 6px;
    height: 6px;
    background: #5d6f6d;
    border-radius: 3px;
}
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical {
    background: none;
}

QHeaderView::section {
    background: #e9eef0;
    border: none;
    border-bottom: 1px solid #b9c2c8;
    padding: 3px 6px;
    color: #2a6f67;
}
