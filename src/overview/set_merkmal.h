#pragma once
// The set-attribute dialog; its content comes with the overview functions.
// Created once at program start and kept.
#include <QDialog>

class Tfrmsetmerkmal : public QDialog {
    Q_OBJECT

public:
    explicit Tfrmsetmerkmal(QWidget* parent = nullptr);
};
