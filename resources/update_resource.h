// Identifiers of the update program's dialog templates, items and pictures.
#pragma once

#define IDI_UPDATE 1

#define IDD_UPGRADE 200
#define IDD_LOADING 201

#define IDC_LOADING_LABEL1 2000
#define IDC_LOAD_NAME 2001
#define IDC_LINE1 2002
#define IDC_SHAPE1 2003
#define IDC_PICTURE_1 2010 // .. 2026, Picture1 to Picture17

// The busy animation's pictures, FRAME1 to FRAME17 by name.
