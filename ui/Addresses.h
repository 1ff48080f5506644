#pragma once

// The product's addresses opened with the desktop's default handler: its web
// site, its sales and support e-mail addresses. Where no program takes one, the
// user is told, in the language in force.

#include <QString>

struct Seams;
class WindowSession;

QString websiteAddress();
void openAddress(Seams &seams, const WindowSession &session, const QString &address);
