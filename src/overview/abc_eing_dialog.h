#pragma once
// The ABC classification dialog; its content comes with the classification.
// Created once at program start and kept.
#include <QDialog>

class TfrmABCEing : public QDialog {
    Q_OBJECT

public:
    explicit TfrmABCEing(QWidget* parent = nullptr);
};
