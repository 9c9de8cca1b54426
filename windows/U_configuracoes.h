#pragma once
// Created at start with the other windows; its contents come with their own work.
#include <QDialog>

class TF_configuracoes : public QDialog {
    Q_OBJECT
public:
    explicit TF_configuracoes(QWidget* parent = nullptr) : QDialog(parent)
    {
        setObjectName(QStringLiteral("F_configuracoes"));
        setWindowTitle(QStringLiteral("Configurações"));
    }
};
