// The help box: four texts in template order and "LEGIT"; Enter or Escape close it as well.
#include "ui/help_dlg.h"

namespace escartinol {

namespace {

// clang-format off
constexpr ControlTemplate kControls[] = {
    {kIdOk,        "legitButton", ControlKind::PushButton, {151, 112, 21, 14}, "LEGIT", kDefaultButton},
    {kNoControlId, "helpMouse",   ControlKind::Static,     {12, 6, 146, 11},
     "Despla\xE7" "ament dei letras m\xE9 la rateta.", kPlain},
    {kNoControlId, "helpDraw",    ControlKind::Static,     {12, 19, 156, 18},
     "Per un tiratge aleat\xF2ri, la frequ\xE9ncia dei letras es aquela de la lenga francesa.", kPlain},
    {kNoControlId, "helpEditing", ControlKind::Static,     {12, 68, 154, 42},
     "Per ajustar de m\xF2ts, basta editar lo fichier correspondent au nombre de letras, m\xE9 Wordpad per "
     "exemple, e faire l'insercion en respectant lo mod\xE8le: majusculas dins l'\xF2rdre alfabetic/m\xF2ts en "
     "minusculas.", kPlain},
    {kNoControlId, "helpFiles",   ControlKind::Static,     {12, 40, 148, 26},
     "Un meme repert\xF2ri cont\xE8n si\xE8is ti\xE8ras de m\xF2ts, sota f\xF2rma de fichiers t\xE8xte: DEF_9L.txt, "
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
