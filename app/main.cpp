#include "app/QX.h"

int main(int argc, char** argv)
{
    return QX(argc, argv, QString::fromLatin1(kProgramFolder));
}
