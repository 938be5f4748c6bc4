#pragma once

// Results of a modal dialog's DoModal, and the ids of the buttons that give them.
enum { IDOK = 1, IDCANCEL = 2 };
