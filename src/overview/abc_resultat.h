#pragma once
// The result window of the ABC classification; its content comes with the classification.
// Created once at program start and kept.
#include <QDialog>

class TfrmABCResultat : public QDialog {
    Q_OBJECT

public:
    explicit TfrmABCResultat(QWidget* parent = nullptr);
};
