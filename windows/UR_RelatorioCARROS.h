#pragma once
// The report form: holds the vehicle listing's definition and is never shown itself.
// The listing comes with its own work.
#include <QObject>

class TFR_RelatorioCARROS : public QObject {
    Q_OBJECT
public:
    explicit TFR_RelatorioCARROS(QObject* parent = nullptr) : QObject(parent)
    {
        setObjectName(QStringLiteral("FR_RelatorioCARROS"));
    }
};
