#pragma once
// The manual bonus grant dialog; its content comes with the manual grant.
// Created once at program start and kept.
#include <QDialog>

class Tfrmbonusmaneing : public QDialog {
    Q_OBJECT

public:
    explicit Tfrmbonusmaneing(QWidget* parent = nullptr);
};
