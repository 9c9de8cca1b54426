#pragma once
#include <QString>

// The program's own file version as text: four numbers of two digits each,
// joined by "." (1.0.2.6 gives "01.00.02.06").
QString VersaoPrograma();

// The same formatting for any four numbers; a number of 100 or more keeps all its digits.
QString formatVersion(int major, int minor, int release, int build);
