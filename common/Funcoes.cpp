#include "common/Funcoes.h"
#include "Version.h"

QString formatVersion(int major, int minor, int release, int build)
{
    auto two = [](int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    return two(major) + u'.' + two(minor) + u'.' + two(release) + u'.' + two(build);
}

QString VersaoPrograma()
{
    return formatVersion(QX_VERSION_MAJOR, QX_VERSION_MINOR, QX_VERSION_RELEASE, QX_VERSION_BUILD);
}
