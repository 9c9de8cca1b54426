#pragma once
// Created at start with the other windows; its contents come with their own work.
#include <QDialog>

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr) : QDialog(parent)
    {
        setObjectName(QStringLiteral("Form2"));
        setWindowTitle(QStringLiteral("Sobre"));
    }
};
