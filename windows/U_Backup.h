#pragma once
// Created at start with the other windows; its contents come with their own work.
#include <QDialog>

class TF_Backup : public QDialog {
    Q_OBJECT
public:
    explicit TF_Backup(QWidget* parent = nullptr) : QDialog(parent)
    {
        setObjectName(QStringLiteral("F_Backup"));
        setWindowTitle(QStringLiteral("Cópia de segurança"));
    }
};
