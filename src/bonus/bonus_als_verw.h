#pragma once
// The window that marks bonuses as used or cancels them; its content comes with bonus processing.
// Created once at program start and kept.
#include <QDialog>

class Tbonusalsverw : public QDialog {
    Q_OBJECT

public:
    explicit Tbonusalsverw(QWidget* parent = nullptr);
};
