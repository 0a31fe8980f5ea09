// Resource identifiers and program texts, shared by the resource script and the C++ code.
#ifndef CARVELLA_RESOURCE_H
#define CARVELLA_RESOURCE_H

// Card back; the face of card code c (1..40) is IDB_CARD_BACK + c.
#define IDB_CARD_BACK 1100
#define IDB_DEALER 1141
#define IDB_BANNER_TABLE 1007
#define IDB_BANNER_ABOUT 1006
#define IDI_CARVELLA 1005
#define IDW_TURN 1008

#define CARVELLA_NAME "Carvella"
#define CARVELLA_VERSION_TEXT "1.0.0.0"
#define CARVELLA_COPYRIGHT "Copyright (C) 2026 Carvella Software"
#define CARVELLA_SITE "http://www.carvella-giochi.it"

#endif
