// Resource and control ids shared by the .rc files and the code.
#ifndef APP_RESOURCES_RESOURCES_H
#define APP_RESOURCES_RESOURCES_H

// Draggable dialogs: dismiss button icon, hand cursors, banner pictures.
#define IDI_DISMISS 155
#define IDC_HAND_OPEN 168
#define IDC_HAND_CLOSED 169
#define IDB_BANNER 230
#define IDB_BANNER_LOW_COLOUR 231
#define IDC_DISMISS 101
#define IDC_TITLE_LABEL 1044

// The message box: its template, icon control and icons by kind.
#define IDD_MESSAGE_BOX 170
#define IDI_MESSAGE_WARNING 171
#define IDI_MESSAGE_INFORMATION 172
#define IDI_MESSAGE_ERROR 173
#define IDI_MESSAGE_QUESTION 174
#define IDI_MESSAGE_STORM 175
#define IDC_MESSAGE_ICON 1017
#define IDC_MESSAGE_TEXT 0xFFFF
#define IDC_MESSAGE_FIRST_BUTTON 200

#endif
