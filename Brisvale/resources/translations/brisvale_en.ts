<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="OverviewController_User_Gender_Male">
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message id="OverviewController_User_Gender_Female">
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message id="OverviewController_SevenDay">
        <source>7 days</source>
        <translation>7 days</translation>
    </message>
    <message id="OverviewController_ThirtyDay">
        <source>30 days</source>
        <translation>30 days</translation>
    </message>
    <message id="OverviewController_ALL">
        <source>All readings</source>
        <translation>All readings</translation>
    </message>
    <message id="OverviewController_AM">
        <source>Morning (00:00-11:59)</source>
        <translation>Morning (00:00-11:59)</translation>
    </message>
    <message id="OverviewController_PM">
        <source>Afternoon (12:00-23:59)</source>
        <translation>Afternoon (12:00-23:59)</translation>
    </message>
    <message id="OverviewController_AllDay">
        <source>All day</source>
        <translation>All day</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Yes">
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message id="No">
        <source>No</source>
        <translation>No</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="AppDelegate_AlertMessage_AlreadyRunning">
        <source>Brisvale is already running. Only one copy at a time may use your readings, so this one will close without changing anything.</source>
        <translation>Brisvale is already running. Only one copy at a time may use your readings, so this one will close without changing anything.</translation>
    </message>
    <message id="AppDelegate_AlertMessage_LockNotMade">
        <source>Brisvale cannot make its lock file %1, which keeps a second copy from using your readings at the same time, so it will close without changing anything.</source>
        <translation>Brisvale cannot make its lock file %1, which keeps a second copy from using your readings at the same time, so it will close without changing anything.</translation>
    </message>
    <message id="AppDelegate_AlertMessage_LockInTheWay">
        <source>Brisvale found the lock file %1, which no running copy holds, and cannot remove it. Remove it yourself, then start Brisvale again. This copy will close without changing anything.</source>
        <translation>Brisvale found the lock file %1, which no running copy holds, and cannot remove it. Remove it yourself, then start Brisvale again. This copy will close without changing anything.</translation>
    </message>
    <message id="AppDelegate_AlertMessage_RunningElsewhere">
        <source>Brisvale is already running on another computer, %1, which holds its lock file %2. Only one copy at a time may use your readings, so this one will close without changing anything. If Brisvale no longer runs on %1, remove the lock file, then start Brisvale again.</source>
        <translation>Brisvale is already running on another computer, %1, which holds its lock file %2. Only one copy at a time may use your readings, so this one will close without changing anything. If Brisvale no longer runs on %1, remove the lock file, then start Brisvale again.</translation>
    </message>
    <message id="AppDelegate_AlertMessage_SaveFailed">
        <source>Your changes could not be saved.</source>
        <translation>Your changes could not be saved.</translation>
    </message>
    <message id="AppDelegate_AlertMessage_SaveStoreReplaced">
        <source>Another program replaced or removed Brisvale's store while Brisvale was open, so your changes were not saved: the store was not changed. Quit Brisvale and open it again, then make your changes again.</source>
        <translation>Another program replaced or removed Brisvale's store while Brisvale was open, so your changes were not saved: the store was not changed. Quit Brisvale and open it again, then make your changes again.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_NewerVersion">
        <source>The store %1 was made by a newer Brisvale (store version %2). This version cannot open it, and nothing was changed. Brisvale will now quit.</source>
        <translation>The store %1 was made by a newer Brisvale (store version %2). This version cannot open it, and nothing was changed. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_NotWritable">
        <source>Brisvale cannot write to the folder or the file of its store %1. Nothing was changed. Brisvale will now quit.</source>
        <translation>Brisvale cannot write to the folder or the file of its store %1. Nothing was changed. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_Unreadable">
        <source>Brisvale cannot read its store %1, for the reason below. The file was not changed. Brisvale will now quit.</source>
        <translation>Brisvale cannot read its store %1, for the reason below. The file was not changed. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_UpgradeFailed">
        <source>Brisvale could not upgrade its store %1 for this version, for the reason below. Brisvale will now quit.</source>
        <translation>Brisvale could not upgrade its store %1 for this version, for the reason below. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_NoSpace">
        <source>There is not enough space on the disk to upgrade the store %1 for this version. Free some space on the disk, then start Brisvale again. Brisvale will now quit.</source>
        <translation>There is not enough space on the disk to upgrade the store %1 for this version. Free some space on the disk, then start Brisvale again. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_CannotOpen">
        <source>Brisvale cannot open its store %1, for the reason below. The file was not changed. Brisvale will now quit.</source>
        <translation>Brisvale cannot open its store %1, for the reason below. The file was not changed. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_DanglingLink">
        <source>The store %1 is a link to a file that is not there (see below). If it lies on a drive that is not connected, connect the drive, then start Brisvale again. Nothing was changed. Brisvale will now quit.</source>
        <translation>The store %1 is a link to a file that is not there (see below). If it lies on a drive that is not connected, connect the drive, then start Brisvale again. Nothing was changed. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_NotARegularFile">
        <source>The store %1 is not a file but a folder, a pipe or a device, so Brisvale cannot open it. Nothing was changed. Brisvale will now quit.</source>
        <translation>The store %1 is not a file but a folder, a pipe or a device, so Brisvale cannot open it. Nothing was changed. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_Unusable">
        <source>Brisvale cannot open its store %1. %2 The file was not changed. You can quit, or move the file aside as %3 and start with a new, empty store.</source>
        <translation>Brisvale cannot open its store %1. %2 The file was not changed. You can quit, or move the file aside as %3 and start with a new, empty store.</translation>
    </message>
    <message id="StoreStartup_AlertMessage_MoveFailed">
        <source>The store %1 could not be moved aside, so no new store was started. Brisvale will now quit.</source>
        <translation>The store %1 could not be moved aside, so no new store was started. Brisvale will now quit.</translation>
    </message>
    <message id="StoreStartup_Problem_NotADatabase">
        <source>The file is not a database.</source>
        <translation>The file is not a database.</translation>
    </message>
    <message id="StoreStartup_Problem_CutShort">
        <source>The file is cut short: its end is missing.</source>
        <translation>The file is cut short: its end is missing.</translation>
    </message>
    <message id="StoreStartup_Problem_OtherApplication">
        <source>The file is a database of another application.</source>
        <translation>The file is a database of another application.</translation>
    </message>
    <message id="StoreStartup_Problem_TablesMissing">
        <source>Tables of the store are missing.</source>
        <translation>Tables of the store are missing.</translation>
    </message>
    <message id="StoreStartup_Problem_Damaged">
        <source>The file is damaged.</source>
        <translation>The file is damaged.</translation>
    </message>
    <message id="StoreStartup_Quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="StoreStartup_StartEmpty">
        <source>Start with an Empty Store</source>
        <translation>Start with an Empty Store</translation>
    </message>
    <message id="DataController_PageTitle">
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message id="DataController_TrafficLightSettings">
        <source>Best value</source>
        <translation>Best value</translation>
    </message>
    <message id="OverviewController_PageTitle">
        <source>Overview</source>
        <translation>Overview</translation>
    </message>
    <message id="OverviewController_TimeRange_Title">
        <source>Date range</source>
        <translation>Date range</translation>
    </message>
    <message id="OverviewController_User_Title">
        <source>User</source>
        <translation>User</translation>
    </message>
    <message id="VersionController_Version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="ViewController_AlertMessage_Fatal">
        <source>Brisvale cannot go on and will close.</source>
        <translation>Brisvale cannot go on and will close.</translation>
    </message>
    <message id="ViewController_Data">
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message id="ViewController_Help">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="ViewController_Menu_About">
        <source>About Brisvale</source>
        <translation>About Brisvale</translation>
    </message>
    <message id="ViewController_Menu_File">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="ViewController_Menu_Help">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="ViewController_Menu_Manual">
        <source>Brisvale Help</source>
        <translation>Brisvale Help</translation>
    </message>
    <message id="ViewController_Menu_Quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="ViewController_Menu_Save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="ViewController_Overview">
        <source>Overview</source>
        <translation>Overview</translation>
    </message>
    <message id="ViewController_Profile">
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message id="ViewController_Settings">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="ViewController_Sync">
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message id="ViewController_Sync_ToolTip">
        <source>Download the readings of the connected meter</source>
        <translation>Download the readings of the connected meter</translation>
    </message>
    <message id="ViewController_Sync_NoMeter">
        <source>Connect the meter to download its readings</source>
        <translation>Connect the meter to download its readings</translation>
    </message>
    <message id="ViewController_AlertMessage_SystemNotUser">
        <source>Please create a profile and save it with a name before you go to another page.</source>
        <translation>Please create a profile and save it with a name before you go to another page.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMDifferentTime">
        <source>The meter's clock differs from this computer's clock by more than 2 minutes. Set the meter's clock to this computer's time?</source>
        <translation>The meter's clock differs from this computer's clock by more than 2 minutes. Set the meter's clock to this computer's time?</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMDifferentTime_SyncTimeClear">
        <source>Set clock and erase the meter's readings without downloading them</source>
        <translation>Set clock and erase the meter's readings without downloading them</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMDifferentTime_SyncTimeOnly">
        <source>Set clock only</source>
        <translation>Set clock only</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMDifferentTime_No">
        <source>Not now</source>
        <translation>Not now</translation>
    </message>
    <message id="ViewController_AlertMessage_NoData">
        <source>There are no readings in the meter to download.</source>
        <translation>There are no readings in the meter to download.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMAsk">
        <source>The highest PEF in the meter is [:BV]&#160;L/&#8288;min, above your target best value. Use [:BV]&#160;L/&#8288;min as your new best value?</source>
        <translation>The highest PEF in the meter is [:BV]&#160;L/&#8288;min, above your target best value. Use [:BV]&#160;L/&#8288;min as your new best value?</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMMaxOutOfRange">
        <source>The meter's highest PEF, [:BV]&#160;L/&#8288;min, was not taken as your best value, because a best value must be from 50 to 900&#160;L/&#8288;min.</source>
        <translation>The meter's highest PEF, [:BV]&#160;L/&#8288;min, was not taken as your best value, because a best value must be from 50 to 900&#160;L/&#8288;min.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMTransferSuccess">
        <source>The readings were downloaded and saved. When you click OK, they are cleared from the meter's memory.</source>
        <translation>The readings were downloaded and saved. When you click OK, they are cleared from the meter's memory.</translation>
    </message>
    <message id="ConnectionPFM_Title">
        <source>Download Readings</source>
        <translation>Download Readings</translation>
    </message>
    <message id="ConnectionPFM_Remind">
        <source>The readings in the meter will be saved to the profile you choose.</source>
        <translation>The readings in the meter will be saved to the profile you choose.</translation>
    </message>
    <message id="ConnectionPFM_Question">
        <source>Which profile should receive the readings?</source>
        <translation>Which profile should receive the readings?</translation>
    </message>
    <message id="CurrentUserRow_Spoken">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="ConnectionPFM_ProfileColumn">
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message id="ConnectionPFM_Yes_NoProfile">
        <source>Create a profile first to receive the readings</source>
        <translation>Create a profile first to receive the readings</translation>
    </message>
    <message id="ConnectionPFM_AlertMessage_SelectUser">
        <source>Please select a profile.</source>
        <translation>Please select a profile.</translation>
    </message>
    <message id="TrafficLightsController_Title">
        <source>Best Value and Zones</source>
        <translation>Best Value and Zones</translation>
    </message>
    <message id="TrafficLightsController_BestValue">
        <source>Best value (L/min)</source>
        <translation>Best value (L/min)</translation>
    </message>
    <message id="TrafficLightsController_BestValue_NoMeter">
        <source>Connect the meter to change your best value, which the meter keeps too</source>
        <translation>Connect the meter to change your best value, which the meter keeps too</translation>
    </message>
    <message id="TrafficLightsController_AlertMessage_AskBestValue">
        <source>Save [:VB]&#160;L/&#8288;min as your best value and send it to the meter?</source>
        <translation>Save [:VB]&#160;L/&#8288;min as your best value and send it to the meter?</translation>
    </message>
    <message id="TrafficLightsController_AlertMessage_AskBestValueDone">
        <source>The meter now holds your best value of [:BV]&#160;L/&#8288;min.</source>
        <translation>The meter now holds your best value of [:BV]&#160;L/&#8288;min.</translation>
    </message>
    <message id="TrafficLightsController_AlertMessage_AskBestValueFailed">
        <source>The meter did not confirm the best value. Check the connection and try again.</source>
        <translation>The meter did not confirm the best value. Check the connection and try again.</translation>
    </message>
    <message id="TrafficLightsController_EightyPercent">
        <source>Green zone from (80 %)</source>
        <translation>Green zone from (80 %)</translation>
    </message>
    <message id="TrafficLightsController_Send">
        <source>Save and Send to Meter</source>
        <translation>Save and Send to Meter</translation>
    </message>
    <message id="TrafficLightsController_Save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="TrafficLightsController_SixtyPercent">
        <source>Red zone below (60 %)</source>
        <translation>Red zone below (60 %)</translation>
    </message>
    <message id="TrafficLightsController_FiftyPercent">
        <source>Red zone below (50 %)</source>
        <translation>Red zone below (50 %)</translation>
    </message>
    <message id="TrafficLightsController_ZonePlan">
        <source>Zone plan</source>
        <translation>Zone plan</translation>
    </message>
    <message id="TrafficLightsController_ZonePlan_EightySixty">
        <source>80 % / 60 %</source>
        <translation>80 % / 60 %</translation>
    </message>
    <message id="TrafficLightsController_ZonePlan_EightyFifty">
        <source>80 % / 50 %</source>
        <translation>80 % / 50 %</translation>
    </message>
    <message id="TrafficLightsController_ZoneLimits">
        <source>Green zone from %1, red zone below %2 l/min</source>
        <translation>Green zone from %1, red zone below %2 l/min</translation>
    </message>
    <message id="TrafficLightsController_NoBestValue">
        <source>No best value is set</source>
        <translation>No best value is set</translation>
    </message>
    <message id="TrafficLightsController_BestValue_Description">
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMUnreadableReadings">
        <source>Readings that could not be read: [:NR]. Their values or dates in the meter are impossible. The other readings were saved, and the meter's memory was not cleared, so nothing is lost.</source>
        <translation>Readings that could not be read: [:NR]. Their values or dates in the meter are impossible. The other readings were saved, and the meter's memory was not cleared, so nothing is lost.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMUnreadableReadings_Clear">
        <source>Clear the meter</source>
        <translation>Clear the meter</translation>
    </message>
    <message id="ProfileController_PageTitle">
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message id="ProfileController_Email">
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message id="ProfileController_Name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="ProfileController_Gender">
        <source>Gender</source>
        <translation>Gender</translation>
    </message>
    <message id="ProfileController_Birth">
        <source>Date of birth</source>
        <translation>Date of birth</translation>
    </message>
    <message id="ProfileController_Height">
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message id="ProfileController_Weight">
        <source>Weight</source>
        <translation>Weight</translation>
    </message>
    <message id="ProfileController_AlertMessage_EmptyField">
        <source>Please enter a name.</source>
        <translation>Please enter a name.</translation>
    </message>
    <message id="ProfileController_AlertMessage_AskSaveUser">
        <source>Save the changes to the profile [:EM]?</source>
        <translation>Save the changes to the profile [:EM]?</translation>
    </message>
    <message id="ProfileController_AlertMessage_AskDeleteUser">
        <source>Delete the profile [:EM] and all of its readings? This cannot be undone.</source>
        <translation>Delete the profile [:EM] and all of its readings? This cannot be undone.</translation>
    </message>
    <message id="CreateUserController_Email">
        <source>E-mail of the new profile</source>
        <translation>E-mail of the new profile</translation>
    </message>
    <message id="CreateUserController_AlertMessage_EmptyEmail">
        <source>Please enter an e-mail address.</source>
        <translation>Please enter an e-mail address.</translation>
    </message>
    <message id="CreateUserController_AlertMessage_ExistEmail">
        <source>A profile with this e-mail address already exists.</source>
        <translation>A profile with this e-mail address already exists.</translation>
    </message>
    <message id="UserListController_AlertMessage_SelectUser">
        <source>Please select a profile.</source>
        <translation>Please select a profile.</translation>
    </message>
    <message id="SettingsController_PageTitle">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="SettingsController_PageSubTitle">
        <source>Choose how this profile's measurements, dates and times are shown.</source>
        <translation>Choose how this profile's measurements, dates and times are shown.</translation>
    </message>
    <message id="SettingsController_DateFormat">
        <source>Date format</source>
        <translation>Date format</translation>
    </message>
    <message id="SettingsController_Unit">
        <source>Units</source>
        <translation>Units</translation>
    </message>
    <message id="SettingsController_TimeFormat">
        <source>Time format</source>
        <translation>Time format</translation>
    </message>
    <message id="SettingsController_Region">
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message id="SettingsController_Import">
        <source>Import backup</source>
        <translation>Import backup</translation>
    </message>
    <message id="SettingsController_Export">
        <source>Export backup</source>
        <translation>Export backup</translation>
    </message>
    <message id="RegionController_Confirm">
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message id="RegionController_PageTitle">
        <source>Choose your region</source>
        <translation>Choose your region</translation>
    </message>
    <message id="SettingsController_Save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="SettingsController_AlertMessage_AskSaveUser">
        <source>Save the settings of the profile [:EM]?</source>
        <translation>Save the settings of the profile [:EM]?</translation>
    </message>
    <message id="SettingsController_AlertMessage_ExportSuccess">
        <source>The backup was saved.</source>
        <translation>The backup was saved.</translation>
    </message>
    <message id="SettingsController_ExportChooseFolder">
        <source>Choose a folder for the backup</source>
        <translation>Choose a folder for the backup</translation>
    </message>
    <message id="SettingsController_AlertMessage_ExportFailed">
        <source>The backup could not be saved.</source>
        <translation>The backup could not be saved.</translation>
    </message>
    <message id="SettingsController_AlertMessage_ImportSuccess">
        <source>The backup was imported.</source>
        <translation>The backup was imported.</translation>
    </message>
    <message id="SettingsController_AlertMessage_ImportUnreadableReadings">
        <source>The backup was imported. Readings that could not be read: [:NR]. Their values or dates are impossible, so they were left out; everything else in the backup was imported.</source>
        <translation>The backup was imported. Readings that could not be read: [:NR]. Their values or dates are impossible, so they were left out; everything else in the backup was imported.</translation>
    </message>
    <message id="SettingsController_AlertMessage_ImportFailed">
        <source>The backup could not be imported.</source>
        <translation>The backup could not be imported.</translation>
    </message>
    <message id="SettingsController_AlertMessage_ImportStoreReplaced">
        <source>Another program replaced or removed Brisvale's store while Brisvale was open, so the backup was not imported: the store was not changed. Quit Brisvale and open it again, then import the backup again.</source>
        <translation>Another program replaced or removed Brisvale's store while Brisvale was open, so the backup was not imported: the store was not changed. Quit Brisvale and open it again, then import the backup again.</translation>
    </message>
    <message id="CreateUserController_Create">
        <source>Create Profile</source>
        <translation>Create Profile</translation>
    </message>
    <message id="ProfileController_AddUser">
        <source>New Profile</source>
        <translation>New Profile</translation>
    </message>
    <message id="ProfileController_Restore">
        <source>Restore from a backup…</source>
        <translation>Restore from a backup…</translation>
    </message>
    <message id="ProfileController_Delete">
        <source>Delete Profile</source>
        <translation>Delete Profile</translation>
    </message>
    <message id="ProfileController_Save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="ProfileController_UserList">
        <source>Switch Profile</source>
        <translation>Switch Profile</translation>
    </message>
    <message id="ProfileController_CurrentProfile">
        <source>Current profile: %1</source>
        <translation>Current profile: %1</translation>
    </message>
    <message id="UserListController_Confirm">
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message id="DataController_From">
        <source>From</source>
        <translation>From</translation>
    </message>
    <message id="DataController_To">
        <source>To</source>
        <translation>To</translation>
    </message>
    <message id="DataController_Maximum_Pef">
        <source>Highest PEF</source>
        <translation>Highest PEF</translation>
    </message>
    <message id="DataController_Maximum_PefBest">
        <source>Best PEF</source>
        <translation>Best PEF</translation>
    </message>
    <message id="DataController_Maximum_Fev1">
        <source>Highest FEV1</source>
        <translation>Highest FEV1</translation>
    </message>
    <message id="DataController_Maximum_Unit">
        <source>L/min</source>
        <translation>L/min</translation>
    </message>
    <message id="DataController_Maximum_Measured">
        <source>(measured)</source>
        <translation>(measured)</translation>
    </message>
    <message id="TableController_Date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="TableController_Time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="TableController_PEF">
        <source>PEF</source>
        <translation>PEF</translation>
    </message>
    <message id="TableController_FEV1">
        <source>FEV1</source>
        <translation>FEV1</translation>
    </message>
    <message id="TableController_Notes">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="TableController_AlertMessage_AskDelete">
        <source>Delete this reading? It cannot be restored.</source>
        <translation>Delete this reading? It cannot be restored.</translation>
    </message>
    <message id="TableController_AlertMessage_AskDelete_Reading">
        <source>%1 %2, PEF %3 l/min</source>
        <translation>%1 %2, PEF %3 l/min</translation>
    </message>
    <message id="PEFController_ChartName">
        <source>PEF chart</source>
        <translation>PEF chart</translation>
    </message>
    <message id="FEV1Controller_ChartName">
        <source>FEV1 chart</source>
        <translation>FEV1 chart</translation>
    </message>
    <message id="ReadingsChartPage_Point">
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message id="ReadingsChartPage_Summary">
        <source>Readings: %1, from %2 to %3. Latest: %4. %5</source>
        <translation>Readings: %1, from %2 to %3. Latest: %4. %5</translation>
    </message>
    <message id="ReadingsChartPage_Summary_NoReadings">
        <source>No readings in the chosen dates.</source>
        <translation>No readings in the chosen dates.</translation>
    </message>
    <message id="PEFController_SpokenValue">
        <source>PEF %1 l/min</source>
        <translation>PEF %1 l/min</translation>
    </message>
    <message id="PEFController_SpokenValueInZone">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="PEFController_Zone_Green">
        <source>green zone</source>
        <translation>green zone</translation>
    </message>
    <message id="PEFController_Zone_Yellow">
        <source>yellow zone</source>
        <translation>yellow zone</translation>
    </message>
    <message id="PEFController_Zone_Red">
        <source>red zone</source>
        <translation>red zone</translation>
    </message>
    <message id="PEFController_Summary_BestValue">
        <source>Best value: %1 l/min.</source>
        <translation>Best value: %1 l/min.</translation>
    </message>
    <message id="PEFController_Summary_NoBestValue">
        <source>No best value is set.</source>
        <translation>No best value is set.</translation>
    </message>
    <message id="PEFController_Summary_Zones">
        <source>Green zone: %1, yellow zone: %2, red zone: %3.</source>
        <translation>Green zone: %1, yellow zone: %2, red zone: %3.</translation>
    </message>
    <message id="FEV1Controller_SpokenValue">
        <source>FEV1 %1 litres</source>
        <translation>FEV1 %1 litres</translation>
    </message>
    <message id="FEV1Controller_Summary_Highest">
        <source>Highest FEV1: %1 litres.</source>
        <translation>Highest FEV1: %1 litres.</translation>
    </message>
    <message id="OverviewController_TimeRange_From">
        <source>From</source>
        <translation>From</translation>
    </message>
    <message id="OverviewController_TimeRange_To">
        <source>To</source>
        <translation>To</translation>
    </message>
    <message id="OverviewController_Measurements_Title">
        <source>Measurements</source>
        <translation>Measurements</translation>
    </message>
    <message id="OverviewController_Measurements_Total">
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message id="OverviewController_Measurements_Measurements">
        <source>readings:</source>
        <translation>readings:</translation>
    </message>
    <message id="OverviewController_Measurements_Last">
        <source>Latest</source>
        <translation>Latest</translation>
    </message>
    <message id="OverviewController_Average_Title">
        <source>Average PEF and FEV1</source>
        <translation>Average PEF and FEV1</translation>
    </message>
    <message id="OverviewController_Average_PEF">
        <source>Average PEF</source>
        <translation>Average PEF</translation>
    </message>
    <message id="OverviewController_Average_FEV1">
        <source>Average FEV1</source>
        <translation>Average FEV1</translation>
    </message>
    <message id="OverviewController_BestValue_Title">
        <source>Best value</source>
        <translation>Best value</translation>
    </message>
    <message id="OverviewController_User_Age">
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message id="OverviewController_Insight_Title">
        <source>Insight</source>
        <translation>Insight</translation>
    </message>
    <message id="OverviewController_Insight_Note">
        <source>These figures support a conversation with your doctor. They are not a diagnosis.</source>
        <translation>These figures support a conversation with your doctor. They are not a diagnosis.</translation>
    </message>
    <message id="OverviewController_Insight_Latest">
        <source>Latest reading, % of best value</source>
        <translation>Latest reading, % of best value</translation>
    </message>
    <message id="OverviewController_Insight_Average">
        <source>Average, % of best value</source>
        <translation>Average, % of best value</translation>
    </message>
    <message id="OverviewController_Insight_Variability">
        <source>Within-day (diurnal) variability</source>
        <translation>Within-day (diurnal) variability</translation>
    </message>
    <message id="OverviewController_Insight_VariabilityOverOneDay">
        <source>Within-day (diurnal) variability, over 1 day</source>
        <translation>Within-day (diurnal) variability, over 1 day</translation>
    </message>
    <message id="OverviewController_Insight_VariabilityOverDays">
        <source>Within-day (diurnal) variability, over [:NR] days</source>
        <translation>Within-day (diurnal) variability, over [:NR] days</translation>
    </message>
    <message id="OverviewController_Insight_ZoneCounts">
        <source>Readings in each zone</source>
        <translation>Readings in each zone</translation>
    </message>
    <message id="OverviewController_Insight_ZoneCountsValue">
        <source>%1 green, %2 yellow, %3 red</source>
        <translation>%1 green, %2 yellow, %3 red</translation>
    </message>
    <message id="OverviewController_Insight_Predicted">
        <source>Predicted PEF for age, sex and height</source>
        <translation>Predicted PEF for age, sex and height</translation>
    </message>
    <message id="OverviewController_Insight_BestOfPredicted">
        <source>Best value, % of predicted PEF</source>
        <translation>Best value, % of predicted PEF</translation>
    </message>
    <message id="OverviewController_Insight_Percent">
        <source>[:FI] %</source>
        <translation>[:FI] %</translation>
    </message>
    <message id="OverviewController_Insight_LitresPerMinute">
        <source>[:FI] l/min</source>
        <translation>[:FI] l/min</translation>
    </message>
    <message id="OverviewController_Insight_None">
        <source>–</source>
        <translation>–</translation>
    </message>
    <message id="OverviewController_Insight_WithRemark">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="OverviewController_Insight_GreenZone">
        <source>green zone</source>
        <translation>green zone</translation>
    </message>
    <message id="OverviewController_Insight_YellowZone">
        <source>yellow zone</source>
        <translation>yellow zone</translation>
    </message>
    <message id="OverviewController_Insight_RedZone">
        <source>red zone</source>
        <translation>red zone</translation>
    </message>
    <message id="OverviewController_Insight_AboveAdultGuide">
        <source>above the 10 % guide</source>
        <translation>above the 10 % guide</translation>
    </message>
    <message id="OverviewController_Insight_AboveChildGuide">
        <source>above the 13 % guide</source>
        <translation>above the 13 % guide</translation>
    </message>
    <message id="OverviewController_Insight_NoReadings">
        <source>no readings in the chosen days and time of day</source>
        <translation>no readings in the chosen days and time of day</translation>
    </message>
    <message id="OverviewController_Insight_OnlyAboveRange">
        <source>only readings above the meter's range</source>
        <translation>only readings above the meter's range</translation>
    </message>
    <message id="OverviewController_Insight_NoBest">
        <source>no best value set</source>
        <translation>no best value set</translation>
    </message>
    <message id="OverviewController_Insight_NeedsTwoReadings">
        <source>needs two readings on one day</source>
        <translation>needs two readings on one day</translation>
    </message>
    <message id="OverviewController_Insight_NeedsAgeAndHeight">
        <source>needs age 15 to 85 and height 100 to 250 cm</source>
        <translation>needs age 15 to 85 and height 100 to 250 cm</translation>
    </message>
    <message id="OverviewController_Insight_Keys">
        <source>Use the Up and Down arrow keys to hear each figure.</source>
        <translation>Use the Up and Down arrow keys to hear each figure.</translation>
    </message>
    <message id="OverviewController_Insight_NeedsAgeAndHeight_FtIn">
        <source>needs age 15 to 85 and height %1 to %2 ft/in</source>
        <translation>needs age 15 to 85 and height %1 to %2 ft/in</translation>
    </message>
    <message id="OverviewController_Insight_LeftOut">
        <source>Readings above the meter's range (over [:FI] l/min, shown as &quot;Hi&quot;) left out of these figures: [:NR]</source>
        <translation>Readings above the meter's range (over [:FI] l/min, shown as &quot;Hi&quot;) left out of these figures: [:NR]</translation>
    </message>
    <message id="OverviewController_Litres">
        <source>[:FI] litres</source>
        <translation>[:FI] litres</translation>
    </message>
    <message id="Accessibility_Figure">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMClockReadFailed">
        <source>The meter's clock could not be read, so nothing was downloaded. The readings stay in the meter.</source>
        <translation>The meter's clock could not be read, so nothing was downloaded. The readings stay in the meter.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMMemoryReadFailed">
        <source>The meter's memory could not be read, so nothing was downloaded. The readings stay in the meter.</source>
        <translation>The meter's memory could not be read, so nothing was downloaded. The readings stay in the meter.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMClockWriteFailed">
        <source>The meter's clock could not be set. Nothing was erased: the readings stay in the meter.</source>
        <translation>The meter's clock could not be set. Nothing was erased: the readings stay in the meter.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMEraseFailed">
        <source>The meter's clock was set, but its memory could not be erased. The readings stay in the meter.</source>
        <translation>The meter's clock was set, but its memory could not be erased. The readings stay in the meter.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMStoreReplaced">
        <source>Another program replaced or removed Brisvale's store while Brisvale was open, so the readings were not saved: nothing was written, and the meter keeps its readings. Quit Brisvale and open it again, then download again.</source>
        <translation>Another program replaced or removed Brisvale's store while Brisvale was open, so the readings were not saved: nothing was written, and the meter keeps its readings. Quit Brisvale and open it again, then download again.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMStoreReplacedAfterSaving">
        <source>Another program replaced or removed Brisvale's store after the readings were saved, so the meter was not cleared: it keeps its readings. Quit Brisvale and open it again, then download again.</source>
        <translation>Another program replaced or removed Brisvale's store after the readings were saved, so the meter was not cleared: it keeps its readings. Quit Brisvale and open it again, then download again.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMClearFailed">
        <source>The readings were saved, but the meter's memory could not be cleared. They stay in the meter; a later download skips the ones already saved.</source>
        <translation>The readings were saved, but the meter's memory could not be cleared. They stay in the meter; a later download skips the ones already saved.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMCleared">
        <source>The meter's memory was cleared.</source>
        <translation>The meter's memory was cleared.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMClockSetErased">
        <source>The meter's clock was set and its readings were erased.</source>
        <translation>The meter's clock was set and its readings were erased.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMClockSetOnly">
        <source>The meter's clock was set. Press Sync to download its readings.</source>
        <translation>The meter's clock was set. Press Sync to download its readings.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMClockNotChanged">
        <source>The meter's clock was not changed, and nothing was downloaded.</source>
        <translation>The meter's clock was not changed, and nothing was downloaded.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMBestValueWriteFailed">
        <source>The new best value could not be written to the meter, so the readings were not saved. They stay in the meter: download them again.</source>
        <translation>The new best value could not be written to the meter, so the readings were not saved. They stay in the meter: download them again.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMBestValueReadFailed">
        <source>The meter's best value could not be read back, so the readings were not saved. They stay in the meter: download them again.</source>
        <translation>The meter's best value could not be read back, so the readings were not saved. They stay in the meter: download them again.</translation>
    </message>
    <message id="ViewController_AlertMessage_PFMBestValueWriteFailed_Stored">
        <source>The readings were saved, but your best value of [:BV]&#160;L/&#8288;min could not be written to the meter, which keeps its own.</source>
        <translation>The readings were saved, but your best value of [:BV]&#160;L/&#8288;min could not be written to the meter, which keeps its own.</translation>
    </message>
    <message id="TrafficLightsController_AlertMessage_MeterFailed">
        <source>The meter reported an error, so it may still hold its previous best value. [:BV]&#160;L/&#8288;min is saved as your best value: send it again once the meter is connected.</source>
        <translation>The meter reported an error, so it may still hold its previous best value. [:BV]&#160;L/&#8288;min is saved as your best value: send it again once the meter is connected.</translation>
    </message>
    <message id="TrafficLightsController_AlertMessage_InvalidBestValue">
        <source>Your best value must be a whole number from 50 to 900&#160;L/&#8288;min. Nothing was saved or sent to the meter.</source>
        <translation>Your best value must be a whole number from 50 to 900&#160;L/&#8288;min. Nothing was saved or sent to the meter.</translation>
    </message>
    <message id="ProfileController_HeightHint_KgCm">
        <source>Enter a height from 0 to 300 cm. Other values are not saved.</source>
        <translation>Enter a height from 0 to 300 cm. Other values are not saved.</translation>
    </message>
    <message id="ProfileController_HeightHint_FtIn">
        <source>Enter feet/inches, such as 5/7, from 0/0 to 9/10. Other values are not saved.</source>
        <translation>Enter feet/inches, such as 5/7, from 0/0 to 9/10. Other values are not saved.</translation>
    </message>
    <message id="ProfileController_WeightHint_KgCm">
        <source>Enter a weight from 0 to 650 kg. Other values are not saved.</source>
        <translation>Enter a weight from 0 to 650 kg. Other values are not saved.</translation>
    </message>
    <message id="ProfileController_WeightHint_FtIn">
        <source>Enter a weight from 0 to 1433 lb. Other values are not saved.</source>
        <translation>Enter a weight from 0 to 1433 lb. Other values are not saved.</translation>
    </message>
    <message id="ProfileController_HeightFormat_FtIn">
        <source>Feet/inches: 5/7 is 5 ft 7 in.</source>
        <translation>Feet/inches: 5/7 is 5 ft 7 in.</translation>
    </message>
    <message id="ProfileController_NameLimit">
        <source>A name holds up to [:NR] characters.</source>
        <translation>A name holds up to [:NR] characters.</translation>
    </message>
    <message id="CreateUserController_EmailLimit">
        <source>An e-mail address holds up to [:NR] characters.</source>
        <translation>An e-mail address holds up to [:NR] characters.</translation>
    </message>
    <message id="ExportFileController_CSV">
        <source>CSV report</source>
        <translation>CSV report</translation>
    </message>
    <message id="ExportFileController_PDF">
        <source>PDF report</source>
        <translation>PDF report</translation>
    </message>
    <message id="CSVFile_Title">
        <source>Peak Flow Report</source>
        <translation>Peak Flow Report</translation>
    </message>
    <message id="CSVFile_Name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="CSVFile_Sex">
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message id="CSVFile_ReportDate">
        <source>Report date</source>
        <translation>Report date</translation>
    </message>
    <message id="CSVFile_Birth">
        <source>Date of birth</source>
        <translation>Date of birth</translation>
    </message>
    <message id="CSVFile_ReadingsRange">
        <source>Readings from</source>
        <translation>Readings from</translation>
    </message>
    <message id="CSVFile_Age">
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message id="CSVFile_Readings">
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message id="CSVFile_Date">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="CSVFile_Time">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="CSVFile_PEF">
        <source>PEF (l/min)</source>
        <translation>PEF (l/min)</translation>
    </message>
    <message id="CSVFile_FEV1">
        <source>FEV1 (l)</source>
        <translation>FEV1 (l)</translation>
    </message>
    <message id="CSVFile_Notes">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="CSVFile_AlertMessage_Success">
        <source>The CSV report was saved.</source>
        <translation>The CSV report was saved.</translation>
    </message>
    <message id="CSVFile_AlertMessage_Failed">
        <source>The CSV report could not be saved.</source>
        <translation>The CSV report could not be saved.</translation>
    </message>
    <message id="CSVFile_ChooseFolder">
        <source>Choose a folder for the CSV report</source>
        <translation>Choose a folder for the CSV report</translation>
    </message>
    <message id="PDFFile_Title">
        <source>Peak Flow Report</source>
        <translation>Peak Flow Report</translation>
    </message>
    <message id="PDFFile_SecondTitle">
        <source>Peak expiratory flow (PEF) and forced expiratory volume in one second (FEV1)</source>
        <translation>Peak expiratory flow (PEF) and forced expiratory volume in one second (FEV1)</translation>
    </message>
    <message id="PDFFile_Name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="PDFFile_ReportData">
        <source>Report date</source>
        <translation>Report date</translation>
    </message>
    <message id="PDFFile_ReadingsRange">
        <source>Readings from</source>
        <translation>Readings from</translation>
    </message>
    <message id="PDFFile_Sex">
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message id="PDFFile_Birth">
        <source>Date of birth</source>
        <translation>Date of birth</translation>
    </message>
    <message id="PDFFile_Age">
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message id="PDFFile_Summary_Title">
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message id="PDFFile_Summary_BestValue">
        <source>Best value (l/min)</source>
        <translation>Best value (l/min)</translation>
    </message>
    <message id="PDFFile_Summary_MaxPef">
        <source>Highest PEF (l/min)</source>
        <translation>Highest PEF (l/min)</translation>
    </message>
    <message id="PDFFile_Summary_MaxFev1">
        <source>Highest FEV1 (l)</source>
        <translation>Highest FEV1 (l)</translation>
    </message>
    <message id="PDFFile_Summary_AvgPEF">
        <source>Average PEF (l/min)</source>
        <translation>Average PEF (l/min)</translation>
    </message>
    <message id="PDFFile_Summary_AvgFEV1">
        <source>Average FEV1 (l)</source>
        <translation>Average FEV1 (l)</translation>
    </message>
    <message id="PDFFile_Botton_Title">
        <source>Readings as measured with the peak flow meter. Please discuss them with your doctor.</source>
        <translation>Readings as measured with the peak flow meter. Please discuss them with your doctor.</translation>
    </message>
    <message id="PDFFile_ChooseFolder">
        <source>Choose a folder for the report</source>
        <translation>Choose a folder for the report</translation>
    </message>
    <message id="PDFFile_AlertMessage_Success">
        <source>The PDF report was saved.</source>
        <translation>The PDF report was saved.</translation>
    </message>
    <message id="PDFFile_AlertMessage_Failed">
        <source>The PDF report could not be saved.</source>
        <translation>The PDF report could not be saved.</translation>
    </message>
    <message id="DataController_Tab_Table">
        <source>Readings table</source>
        <translation>Readings table</translation>
    </message>
    <message id="DataController_Tab_PEF">
        <source>PEF chart</source>
        <translation>PEF chart</translation>
    </message>
    <message id="DataController_Tab_FEV1">
        <source>FEV1 chart</source>
        <translation>FEV1 chart</translation>
    </message>
    <message id="DataController_Download">
        <source>Export a CSV or PDF report</source>
        <translation>Export a CSV or PDF report</translation>
    </message>
    <message id="DataController_Download_NoReadings">
        <source>No readings to export in the chosen dates and time of day</source>
        <translation>No readings to export in the chosen dates and time of day</translation>
    </message>
    <message id="FilterControls_DayRange">
        <source>Date range</source>
        <translation>Date range</translation>
    </message>
    <message id="FilterControls_TimeOfDay">
        <source>Time of day</source>
        <translation>Time of day</translation>
    </message>
    <message id="BoundedDateEdit_CalendarMonth">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="PopUpAccessible_Name">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="TableController_DeleteReading">
        <source>Delete this reading</source>
        <translation>Delete this reading</translation>
    </message>
    <message id="TableController_Delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="ViewController_Help_ToolTip">
        <source>Open the user manual</source>
        <translation>Open the user manual</translation>
    </message>
</context>
</TS>
