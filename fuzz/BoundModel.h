#pragma once

// The field model bound to the shipped parameter header, built once per
// fuzzing process and cleared like a fresh window.
#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"

namespace velmar::fuzz {

inline FieldModel &boundModel()
{
    static FieldModel *model = [] {
        static ParamCatalogue catalogue;
        catalogue.Llegir_parametres();
        auto *m = new FieldModel;
        m->InicialitzaPunters(catalogue);
        m->Esborra_param();
        return m;
    }();
    return *model;
}

} // namespace velmar::fuzz
