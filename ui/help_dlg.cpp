// The help box: four texts in template order and "LEGIT"; Enter or Escape close it as well.
#include "ui/help_dlg.h"

namespace escartinol {

namespace {

// clang-format off
constexpr ControlTemplate kControls[] = {
    {kIdOk,        "legitButton", ControlKind::PushButton, {151, 112, 21, 14}, "LEGIT", kDefaultButton},
    {kNoControlId, "helpMouse",   ControlKind::Static,     {12, 6, 146, 11},
     "Desplaçament dei letras mé la rateta.", kPlain},
    {kNoControlId, "helpDraw",    ControlKind::Static,     {12, 19, 156, 18},
     "Per un tiratge aleatòri, la frequéncia dei letras es aquela de la lenga francesa.", kPlain},
    {kNoControlId, "helpEditing", ControlKind::Static,     {12, 68, 154, 42},
     "Per ajustar de mòts, basta editar lo fichier correspondent au nombre de letras, mé Wordpad per "
     "exemple, e faire l'insercion en respectant lo modèle: majusculas dins l'òrdre alfabetic/mòts en "
     "minusculas.", kPlain},
    {kNoControlId, "helpFiles",   ControlKind::Static,     {12, 40, 148, 26},
     "Un meme repertòri contèn sièis tièras de mòts, sota fòrma de fichiers tèxte: DEF_9L.txt, "
     "etc...", kPlain},
};
// clang-format on

const DialogTemplate& HelpTemplate() {
    // Arial 12 points becomes Liberation Sans, which has the same widths, at 16 pixels.
    static const DialogTemplate kTemplate{172, 127, kLargeFontUnits, "Ajuda", "Liberation Sans", 16, kControls};
    return kTemplate;
}

}  // namespace

CHelpDlg::CHelpDlg(QWidget* parent) : QDialog(parent), m_controls(BuildDialog(*this, HelpTemplate())) {}

}  // namespace escartinol
