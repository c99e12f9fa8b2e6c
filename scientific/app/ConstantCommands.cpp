#include "scientific/app/ConstantCommands.h"

#include "scientific/KeyTables.h"
#include "scientific/app/resource.h"

namespace {

struct SConstantCommand {
    int command;
    int constant;
};

constexpr SConstantCommand kCommands[] = {
    {ID_CONST_AMU, 19}, {ID_CONST_AU, 17}, {ID_CONST_C, 2},
    {ID_CONST_EV, 9},   {ID_CONST_F, 16},  {ID_CONST_GRAV, 18},
    {ID_CONST_G, 3},    {ID_CONST_H, 12},  {ID_CONST_K, 14},
    {ID_CONST_ME, 4},   {ID_CONST_NA, 8},  {ID_CONST_R, 13},
    {ID_CONST_MU0, 15}, {ID_CONST_MP, 5},  {ID_CONST_MN, 6},
    {ID_CONST_MMU, 7},  {ID_CONST_E, 1},   {ID_CONST_EPS0, kConstantVacuumPermittivity},
};

} // namespace

int ConstantForCommand(int command) {
    for (const SConstantCommand& entry : kCommands) {
        if (entry.command == command) {
            return entry.constant;
        }
    }
    return -1;
}
