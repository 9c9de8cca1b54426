#pragma once
// Created at start with the other windows; its contents come with their own work.
#include <QDialog>

class TF_Filtros : public QDialog {
    Q_OBJECT
public:
    explicit TF_Filtros(QWidget* parent = nullptr) : QDialog(parent)
    {
        setObjectName(QStringLiteral("F_Filtros"));
        setWindowTitle(QStringLiteral("Filtros"));
    }
};
