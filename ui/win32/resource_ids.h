#pragma once

// Resource ids of the Windows program, shared by varnel.rc and the code.
#define IDI_VARNEL 1
#define IDI_GLOBE 2
#define IDI_COPY 3
#define IDI_PASTE 4
#define IDI_HELP 5
#define IDI_EXIT 6
#define IDI_FOLDER_OPEN 7
#define IDI_FOLDER_CLOSED 8
