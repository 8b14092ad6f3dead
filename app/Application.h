#pragma once

#include <QApplication>
#include <memory>

class TAddForm;
class TExtract;
class TF_About;
class TF_Editform;
class TF_status;
class TMainform;
class TMsgform;

// The application object: what no handler catches ends in the error box.
class OrvexApplication : public QApplication {
public:
    OrvexApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// The windows of the program, created once at start-up in a fixed order and
// living until it ends; the first is the main window.
struct ApplicationWindows {
    std::unique_ptr<TMainform> Mainform;
    std::unique_ptr<TMsgform> Msgform;
    std::unique_ptr<TExtract> Extract;
    std::unique_ptr<TAddForm> AddForm;  // a window of its own, not the main window's child
    std::unique_ptr<TF_About> F_About;
    std::unique_ptr<TF_Editform> F_Editform;
    std::unique_ptr<TF_status> F_status;

    // `arguments` are the command-line arguments after the program's path.
    static std::unique_ptr<ApplicationWindows> create(const QStringList &arguments);
    ~ApplicationWindows();
};

// Title, icon and name of the application.
void setUpApplication(QApplication &application);
