    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
N    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
k    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
V    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
C    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
F    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
#    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
V    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
6    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
2    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
F    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
B    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
3    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
2    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
C    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
V    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
C    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
V    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
O    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
k    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
`    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
`    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
8    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
8    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
?    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
?    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
%    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
B    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
?    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
B    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
%    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
8    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
B    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
M    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
+    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
%    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
7    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
3    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
B    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
%    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
5    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
2    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
2    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
3    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
4    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
C    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
5    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
+    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
6    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
B    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
V    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
C    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
V    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
M    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
F    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
F    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
O    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
M    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
A    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
C    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
V    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
M    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
F    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
O    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
8    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
F    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
!    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
O    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
W    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
O    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
|    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
I    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
O    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
6    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
4    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
F    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
+    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
!    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
E    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
+    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
2    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
'    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
x    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
>    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
8    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
+    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
<    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
+    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
=    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
2    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
[    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
1    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
]    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
[    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
z    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
2    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
-    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
]    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
U    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
R    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
k    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
{    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
w    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
*    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
,    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
G    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
h    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
v    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
M    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
+    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
T    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
P    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
X    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
D    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
L    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
l    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
/    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
"    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
+    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
p    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
y    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
Q    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
S    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
&    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
_    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
f    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
!    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
.    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
c    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
i    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
m    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
g    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
s    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
d    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
:    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
a    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
b    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
o    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
(    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
)    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
e    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
t    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
u    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
r    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
n    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
     TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
0    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
;    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
}    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    reopened.setStorage(QStringLiteral("file://") + copy);
    for (const QString &message : reopening.recorder().messages())
        if (!messages.contains(message))
            std::abort();
