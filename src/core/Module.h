#pragma once

#include <QString>
#include <vector>

// One test module: a named list of items, kept in Data/modules.ini as one section.
struct Module {
    QString Id;            // section name; never shown
    bool Standart = false; // standard modules cannot be changed or deleted in the editor
    QString Name;          // display name
    QString Data;          // items as comma text
};

using ModuleList = std::vector<Module>;
