#include "skin/unt_company.h"

QPointer<Tfrm_company> frm_company;
