#pragma once
// The program's button pictures, drawn at run time; Qt derives their disabled look.
#include <QIcon>

namespace ui {

enum class Picture { New, Alter, Save, Cancel, Delete, Search, Filter, Report, About, Settings, Backup, Close };

QIcon icon(Picture p);

} // namespace ui
