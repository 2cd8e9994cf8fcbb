#include "books/unt_lives.h"

QPointer<Tfrm_lives> frm_lives;
